#include "device/StoredBlockFile.h"

#include <algorithm>

#include "base/WholeFile.h"

namespace mousecfg {

std::optional<StoredBlock> loadStoredBlockFile(const std::string& path) {
  const FileContents file = readWholeFile(path, StoredBlock{}.size());
  if (!file.ok || file.bytes.size() != StoredBlock{}.size()) return std::nullopt;
  StoredBlock block{};
  std::copy(file.bytes.begin(), file.bytes.end(), block.begin());
  return block;
}

bool saveStoredBlockFile(const std::string& path, std::span<const uint8_t> block) {
  return writeWholeFile(path, block).empty();
}

}  // namespace mousecfg

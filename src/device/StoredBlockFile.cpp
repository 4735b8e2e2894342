#include "device/StoredBlockFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace mousecfg {

namespace {

bool folderExists(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  struct stat status {};
  return ::stat(folder.empty() ? "." : folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

StoredBlockFileContents readStoredBlockFile(const std::string& path) {
  constexpr size_t kLength = StoredBlock{}.size();
  const FileContents file = readWholeFile(path, kLength, ReadFrom::RegularFileOnly);
  if (!file.ok) {
    if (file.systemError == ENOENT && folderExists(path)) return {};
    if (file.systemError == ENOENT) return {std::nullopt, path + ": its folder does not exist"};
    return {std::nullopt, file.error};
  }
  if (file.bytes.size() != kLength) {
    return {std::nullopt, path + " holds " + std::to_string(file.bytes.size()) +
                              " bytes; a stored block has exactly " + std::to_string(kLength)};
  }
  StoredBlock block{};
  std::copy(file.bytes.begin(), file.bytes.end(), block.begin());
  return {block, {}};
}

std::optional<StoredBlock> loadStoredBlockFile(const std::string& path) {
  return readStoredBlockFile(path).block;
}

FileWritten saveStoredBlockFile(const std::string& path, std::span<const uint8_t> block) {
  return writeWholeFile(path, block);
}

}  // namespace mousecfg

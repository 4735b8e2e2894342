#include "StoredBlockFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace mousecfg {

std::optional<StoredBlock> loadStoredBlockFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  StoredBlock block{};
  file.read(reinterpret_cast<char*>(block.data()), static_cast<std::streamsize>(block.size()));
  if (file.gcount() != static_cast<std::streamsize>(block.size())) return std::nullopt;
  // One more byte readable means the file is too long to be a block.
  if (file.peek() != std::ifstream::traits_type::eof()) return std::nullopt;
  return block;
}

bool saveStoredBlockFile(const std::string& path, std::span<const uint8_t> block) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(block.data()),
               static_cast<std::streamsize>(block.size()));
    file.flush();
    if (!file) {
      file.close();
      std::remove(temporary.c_str());
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) std::remove(temporary.c_str());
  return !error;
}

}  // namespace mousecfg

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/WholeFile.h"
#include "device/Protocol.h"

namespace mousecfg {

using StoredBlock = std::array<uint8_t, protocol::kStoredBlockLength>;

// The simulated mouse's stored block kept in a regular file of exactly 2048 raw bytes.
struct [[nodiscard]] StoredBlockFileContents {
  std::optional<StoredBlock> block;  // nullopt when there is no file yet or it cannot be used
  // Why the file cannot be used: unreadable, not a regular file, shorter or longer, or in
  // a folder that does not exist. Empty when it holds a block or is still to be created.
  std::string problem;
};
StoredBlockFileContents readStoredBlockFile(const std::string& path);
// The block alone: nullopt when the file is missing or cannot be used.
std::optional<StoredBlock> loadStoredBlockFile(const std::string& path);
// Saves the block whole (see writeWholeFile), so a crash never leaves half a block.
FileWritten saveStoredBlockFile(const std::string& path, std::span<const uint8_t> block);

}  // namespace mousecfg

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "device/Protocol.h"

namespace mousecfg {

using StoredBlock = std::array<uint8_t, protocol::kStoredBlockLength>;

// The simulated mouse's stored block kept in a file of exactly 2048 raw bytes.
// nullopt when the file is missing, unreadable, shorter or longer.
std::optional<StoredBlock> loadStoredBlockFile(const std::string& path);
// Writes a temporary file beside path and renames it over path, so a crash never
// leaves a half-written block. False when either step fails.
bool saveStoredBlockFile(const std::string& path, std::span<const uint8_t> block);

}  // namespace mousecfg

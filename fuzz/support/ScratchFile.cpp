#include "support/ScratchFile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "support/PropertyCheck.h"

namespace mousecfg::fuzz {

ScratchFile::ScratchFile(std::string_view name) {
  const char* folder = std::getenv("TMPDIR");
  path_ = std::string(folder && *folder ? folder : "/tmp") + "/" + std::string(name) + "-" +
          std::to_string(::getpid());
}

ScratchFile::~ScratchFile() {
  std::remove(path_.c_str());
}

void ScratchFile::write(std::span<const uint8_t> bytes) const {
  std::FILE* file = std::fopen(path_.c_str(), "wb");
  require(file != nullptr, "the scratch file can be created");
  const size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file);
  const bool closed = std::fclose(file) == 0;
  require(written == bytes.size() && closed, "the scratch file is written");
}

}  // namespace mousecfg::fuzz

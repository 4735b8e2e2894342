#pragma once

#include <sys/types.h>
#include <string>

namespace mousecfg {

// "cannot open /home/a/mouse.bin: Permission denied".
std::string systemErrorText(const std::string& what, const std::string& path, int error);

// What a file of this st_mode is, for messages: "a folder", "a FIFO", "a socket".
std::string fileTypeName(mode_t mode);

}  // namespace mousecfg

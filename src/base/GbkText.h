#pragma once

#include <string>
#include <string_view>

namespace mousecfg {

// GBK (code page 936) bytes as UTF-8 text. A byte sequence that is not GBK, or a
// lead byte cut off at the end, becomes U+FFFD and decoding goes on with the next
// byte; the call never fails. Pure ASCII comes back unchanged.
std::string decodeGbk(std::string_view gbk);

}  // namespace mousecfg

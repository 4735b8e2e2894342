#include "base/GbkText.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace mousecfg {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool isAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Without the converter (a libc built without its GBK module) the ASCII part still
// reads correctly and every other byte is marked as unreadable.
std::string asciiOnly(std::string_view bytes) {
  std::string text;
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) < 0x80)
      text += c;
    else
      text += kReplacement;
  }
  return text;
}

class GbkConverter {
 public:
  GbkConverter() : cd_(iconv_open("UTF-8", "GBK")) {}
  ~GbkConverter() {
    if (isOpen()) iconv_close(cd_);
  }
  GbkConverter(const GbkConverter&) = delete;
  GbkConverter& operator=(const GbkConverter&) = delete;

  bool isOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  std::string convert(std::string_view gbk) {
    std::string text;
    char* in = const_cast<char*>(gbk.data());
    size_t inLeft = gbk.size();
    // One GBK character (at most two bytes) never needs more than three UTF-8 bytes.
    char out[256];
    while (inLeft > 0) {
      char* outPos = out;
      size_t outLeft = sizeof out;
      const size_t result = iconv(cd_, &in, &inLeft, &outPos, &outLeft);
      const int error = errno;
      text.append(out, static_cast<size_t>(outPos - out));
      if (result != static_cast<size_t>(-1)) break;
      if (error == E2BIG) continue;
      // EILSEQ (not GBK) or EINVAL (a lead byte at the very end): mark it, skip one
      // byte so that an ASCII byte after a bad lead byte still reads as itself.
      text += kReplacement;
      ++in;
      --inLeft;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return text;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string decodeGbk(std::string_view gbk) {
  if (isAscii(gbk)) return std::string(gbk);
  GbkConverter converter;
  if (!converter.isOpen()) return asciiOnly(gbk);
  return converter.convert(gbk);
}

}  // namespace mousecfg

#include <iomanip>
#include <ostream>
#include <span>

#include "base/HexText.h"
#include "base/WholeFile.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "device/ConfigImage.h"
#include "device/DeviceMacroBlock.h"
#include "device/ImageSections.h"

namespace mousecfg {

int runCheck(const Arguments& args, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (wantsHelp(args)) {
    out << "usage: mousectl check FILE\n\nChecks a saved configuration (2048 bytes): each\n"
           "section's checksum, which sections the program would rebuild from its defaults\n"
           "when the mouse held them, and the macros stored in it. Exit status 1 when a\n"
           "section is broken. FILE - reads standard input.\n";
    return kExitOk;
  }
  if (args.size() != 1) {
    err << "usage: mousectl check FILE\n";
    return kExitUsage;
  }
  const FileContents file = readFileArgument(args[0], image::kImageLength, context);
  if (!file.ok) {
    err << "mousectl: " << file.error << '\n';
    return kExitFileError;
  }
  if (file.bytes.size() != image::kImageLength) {
    err << "mousectl: " << args[0] << " holds " << file.bytes.size()
        << " bytes; a configuration has exactly " << image::kImageLength << '\n';
    return kExitFileError;
  }
  const std::span<const uint8_t> bytes(file.bytes);
  int broken = 0;
  for (const ImageSection& section : kImageSections) {
    if (section.checksum == SectionChecksum::None) continue;
    const auto data = bytes.subspan(section.offset, section.length);
    const uint8_t stored = data.back();
    const uint8_t computed = sectionChecksum(data);
    const bool ok = stored == computed;
    if (!ok) ++broken;
    out << std::left << std::setw(10) << section.name << std::right << " bytes " << std::setw(4)
        << section.offset << ".." << std::setw(4) << section.offset + section.length - 1
        << "  checksum " << hexDigits(stored, 2) << (ok ? "  ok" : "  BROKEN (should be ")
        << (ok ? "" : hexDigits(computed, 2) + "; would be rebuilt from the defaults)") << '\n';
  }
  DeviceMacroBlock macros;
  ImageBuffer image{};
  std::copy(file.bytes.begin(), file.bytes.end(), image.begin());
  macros.loadFromImage(image);
  macros.ReadAndRefreshMacroBlock();
  out << "macros    " << macros.macroCount() << " using " << macros.totalLength() << " of "
      << macro_block::kRecordAreaLength << " bytes\n";
  for (const std::string& name : macros.names()) out << "          " << name << '\n';
  out << (broken == 0 ? "all sections ok\n" : std::to_string(broken) + " broken section(s)\n");
  return broken == 0 ? kExitOk : kExitBrokenImage;
}

}  // namespace mousecfg

#include <CLI/CLI.hpp>
#include <iomanip>
#include <memory>
#include <ostream>
#include <span>

#include "base/HexText.h"
#include "base/WholeFile.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/JsonOutput.h"
#include "device/ConfigImage.h"
#include "device/DeviceMacroBlock.h"
#include "device/ImageSections.h"

namespace mousecfg {

namespace {

struct SectionCheck {
  const ImageSection* section;
  uint8_t stored;
  uint8_t computed;
  bool ok() const { return stored == computed; }
};

struct ImageCheck {
  std::vector<SectionCheck> sections;
  DeviceMacroBlock macros;
  int broken() const {
    return static_cast<int>(std::ranges::count_if(sections, [](auto& s) { return !s.ok(); }));
  }
};

ImageCheck checkImage(std::span<const uint8_t> bytes) {
  ImageCheck check;
  for (const ImageSection& section : kImageSections) {
    if (section.checksum == SectionChecksum::None) continue;
    const auto data = bytes.subspan(section.offset, section.length);
    check.sections.push_back({&section, data.back(), sectionChecksum(data)});
  }
  ImageBuffer image{};
  std::copy(bytes.begin(), bytes.end(), image.begin());
  check.macros.loadFromImage(image);
  check.macros.ReadAndRefreshMacroBlock();
  return check;
}

void printText(const ImageCheck& check, std::ostream& out) {
  for (const SectionCheck& s : check.sections) {
    const ImageSection& section = *s.section;
    out << std::left << std::setw(10) << section.name << std::right << " bytes " << std::setw(4)
        << section.offset << ".." << std::setw(4) << section.offset + section.length - 1
        << "  checksum " << hexDigits(s.stored, 2);
    if (s.ok())
      out << "  ok\n";
    else
      out << "  BROKEN (should be " << hexDigits(s.computed, 2)
          << "; would be rebuilt from the defaults)\n";
  }
  out << "macros    " << check.macros.macroCount() << " using " << check.macros.totalLength()
      << " of " << macro_block::kRecordAreaLength << " bytes\n";
  for (const std::string& name : check.macros.names()) out << "          " << name << '\n';
  const int broken = check.broken();
  out << (broken == 0 ? "all sections ok\n" : std::to_string(broken) + " broken section(s)\n");
}

Json checkJson(const ImageCheck& check) {
  Json sections = Json::array();
  for (const SectionCheck& s : check.sections)
    sections.push_back({{"name", s.section->name},
                        {"offset", s.section->offset},
                        {"length", s.section->length},
                        {"checksum", s.stored},
                        {"expected_checksum", s.computed},
                        {"ok", s.ok()}});
  return {{"sections", sections},
          {"broken_sections", check.broken()},
          {"macros",
           {{"count", check.macros.macroCount()},
            {"bytes_used", check.macros.totalLength()},
            {"bytes_available", macro_block::kRecordAreaLength},
            {"names", check.macros.names()}}}};
}

int checkFile(const std::string& name, bool json, const CliContext& context) {
  const FileContents file = readFileArgument(name, image::kImageLength, context);
  if (!file.ok) {
    context.err << "mousectl: " << file.error << '\n';
    return kExitFileError;
  }
  if (file.bytes.size() != image::kImageLength) {
    context.err << "mousectl: " << name << " holds " << file.bytes.size()
                << " bytes; a configuration has exactly " << image::kImageLength << '\n';
    return kExitFileError;
  }
  const ImageCheck check = checkImage(file.bytes);
  if (json)
    printJson(context.out, checkJson(check));
  else
    printText(check, context.out);
  return check.broken() == 0 ? kExitOk : kExitBrokenImage;
}

}  // namespace

CommandRun defineCheck(CLI::App& command, const CommonOptions& common) {
  auto file = std::make_shared<std::string>();
  command.add_option("FILE", *file, "a saved configuration; - reads standard input")->required();
  command.footer(
      "Checks a saved configuration (2048 bytes): each section's checksum, which sections\n"
      "the program would rebuild from its defaults when the mouse held them, and the macros\n"
      "stored in it. Exit status 1 when a section is broken.");
  return
      [file, &common](const CliContext& context) { return checkFile(*file, common.json, context); };
}

}  // namespace mousecfg

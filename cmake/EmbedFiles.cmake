# Turns data files into one C++ source: builtInResource("NAME") returns the bytes of
# the file NAME. Run as a script: cmake -DOUTPUT=... -DFILES="a;b" -P EmbedFiles.cmake
set(body "")
set(table "")
set(index 0)
foreach(path IN LISTS FILES)
  get_filename_component(name "${path}" NAME_WE)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
  string(APPEND body "const unsigned char kData${index}[] = {${bytes}0};\n")
  string(APPEND table "    {\"${name}\", {kData${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from the files in resources/; do not edit.
#include \"BuiltInResources.h\"

#include <utility>

namespace mousecfg {
namespace {
${body}
const std::pair<std::string_view, std::span<const uint8_t>> kTable[] = {
${table}    {\"\", {}},  // end marker, keeps the table non-empty
};
}  // namespace

std::optional<std::span<const uint8_t>> builtInResource(std::string_view name) {
  for (const auto& [key, data] : kTable)
    if (!key.empty() && key == name) return data;
  return std::nullopt;
}

}  // namespace mousecfg
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")

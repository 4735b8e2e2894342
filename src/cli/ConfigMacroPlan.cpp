#include <algorithm>
#include <ostream>

#include "cli/CliSession.h"
#include "cli/ConfigOfMouse.h"
#include "cli/ConfigPlan.h"
#include "device/DeviceMacroBlock.h"
#include "device/MacroName.h"
#include "macros/MacroText.h"

namespace mousecfg {

bool MacroRenewal::goesAway(const std::string& name) const {
  return std::ranges::find(removed, name) != removed.end() ||
         std::ranges::find(replaced, name) != replaced.end();
}

std::vector<std::string> MacroRenewal::namesAfter(const std::vector<std::string>& before) const {
  std::vector<std::string> after;
  for (const std::string& name : before)
    if (!goesAway(name)) after.push_back(name);
  for (const auto* list : {&replaced, &added})
    for (const std::string& name : *list) after.push_back(name);
  return after;
}

namespace {

struct FileMacro {
  const NamedText* named;
  std::vector<uint8_t> events;  // the end byte included
};

int deleteMacro(CliSession& session, const std::string& name, std::ostream& err) {
  DeviceMacroEditing& editing = session.core().deviceMacros;
  const std::vector<std::string> names = session.link().macros.names();
  const auto found = std::ranges::find(names, name);
  if (found != names.end() &&
      editing.deleteMacro(static_cast<size_t>(found - names.begin())) ==
          DeviceMacroChange::Written &&
      editing.lastWrite.ok())
    return kExitOk;
  err << "mousectl import: the mouse did not take the deletion of macro \"" << name << "\"\n";
  return kExitNoDevice;
}

int addMacro(CliSession& session, const std::string& name, const std::vector<uint8_t>& events,
             std::ostream& err) {
  LibrarySlot slot;
  slot.name = macro::encodeMacroName(name);
  std::ranges::copy(events, slot.body.begin());
  DeviceMacroEditing& editing = session.core().deviceMacros;
  if (editing.addToMouse(slot) == DeviceMacroChange::Written && editing.lastWrite.ok())
    return kExitOk;
  err << "mousectl import: the mouse did not take macro \"" << name << "\"\n";
  return kExitNoDevice;
}

// Reads the file's macros; a mistake goes into plan.error.
std::vector<FileMacro> readMacros(const ConfigText& wanted, ConfigPlan& plan) {
  std::vector<FileMacro> macros;
  for (const NamedText& named : wanted.macros) {
    const std::string& name = named.name.value;
    if (name.empty() || macro::decodeMacroName(macro::encodeMacroName(name)) != name) {
      plan.fail(named.name.line, "a macro name has 1..8 characters, not \"" + name + '"');
      return {};
    }
    const MacroTextParse parsed = parseMacroText(named.text.value);
    if (!parsed.ok) {
      plan.failInText(named, parsed.error);
      return {};
    }
    if (parsed.bytes.size() > macro_library::kBodyLength) {
      plan.fail(named.text.line, "macro \"" + name + "\" is longer than a macro can be");
      return {};
    }
    macros.push_back({&named, parsed.bytes});
  }
  return macros;
}

// The stored length the macros take once renewed: each name and its events.
size_t renewedLength(const ApplicationCore& core, const std::vector<FileMacro>& macros,
                     const MacroRenewal& renewal) {
  size_t length = 0;
  const std::vector<std::string> names = core.link.macros.names();
  for (size_t k = 0; k < names.size(); ++k)
    if (!renewal.goesAway(names[k]))
      length += macro_block::kNameLength + core.link.macros.slot(k).eventBytes().size();
  for (const FileMacro& file : macros)
    if (std::ranges::find(names, file.named->name.value) == names.end() ||
        renewal.goesAway(file.named->name.value))
      length += macro_block::kNameLength + file.events.size();
  return length;
}

void addChanges(const std::vector<FileMacro>& macros, const MacroRenewal& renewal, int tableLine,
                ConfigPlan& plan) {
  for (const std::string& name : renewal.removed)
    plan.changes.push_back({"macro \"" + name + "\": removed (its buttons become Key Off)",
                            tableLine, [name](CliSession& session, std::ostream& err) {
                              return deleteMacro(session, name, err);
                            }});
  for (const std::string& name : renewal.replaced)
    plan.changes.push_back({"macro \"" + name + "\": deleted, to be added with its new events",
                            tableLine, [name](CliSession& session, std::ostream& err) {
                              return deleteMacro(session, name, err);
                            }});
  for (const FileMacro& file : macros) {
    const std::string& name = file.named->name.value;
    const bool replaced = std::ranges::find(renewal.replaced, name) != renewal.replaced.end();
    const bool added = std::ranges::find(renewal.added, name) != renewal.added.end();
    if (!replaced && !added) continue;
    plan.changes.push_back(
        {"macro \"" + name + "\": added" + (replaced ? " with its new events" : ""),
         file.named->text.line,
         [name, events = file.events](CliSession& session, std::ostream& err) {
           return addMacro(session, name, events, err);
         }});
  }
}

}  // namespace

MacroRenewal planMacroChanges(const ApplicationCore& core, const ConfigText& wanted,
                              ConfigPlan& plan) {
  MacroRenewal renewal;
  renewal.tableLine = wanted.macrosLine;
  if (!wanted.macrosGiven) return renewal;
  const std::vector<FileMacro> macros = readMacros(wanted, plan);
  if (!plan.ok()) return renewal;
  const std::vector<std::string> names = core.link.macros.names();
  for (size_t k = 0; k < names.size(); ++k) {
    const auto file = std::ranges::find_if(
        macros, [&](const FileMacro& m) { return m.named->name.value == names[k]; });
    if (file == macros.end())
      renewal.removed.push_back(names[k]);
    else if (!std::ranges::equal(file->events, core.link.macros.slot(k).eventBytes()))
      renewal.replaced.push_back(names[k]);
  }
  for (const FileMacro& file : macros)
    if (std::ranges::find(names, file.named->name.value) == names.end())
      renewal.added.push_back(file.named->name.value);
  if (renewal.removed.empty() && renewal.replaced.empty() && renewal.added.empty()) return renewal;
  const int line = wanted.macrosLine;
  if (!core.link.connection.supportsStoredWrites()) {
    plan.fail(line, "this mouse keeps no macros");
  } else if (renewal.namesAfter(names).size() > macro_block::kMaxMacros) {
    plan.fail(line, "the mouse keeps at most 15 macros");
  } else if (renewedLength(core, macros, renewal) > macro_block::kRecordAreaLength) {
    plan.fail(line, "the macros take more than the mouse's " +
                        std::to_string(macro_block::kRecordAreaLength) + " bytes for them");
  } else {
    addChanges(macros, renewal, wanted.macrosLine, plan);
  }
  return renewal;
}

}  // namespace mousecfg

#include "macros/MacroText.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "base/CloseNames.h"
#include "base/HexText.h"
#include "device/MacroEvent.h"
#include "macros/MacroLibrary.h"
#include "settings/KeyCodes.h"

namespace mousecfg {

namespace {

struct Named {
  std::string_view name;
  uint8_t bit;
};

constexpr std::array<Named, 5> kModifiers{{{"Ctrl", macro::kModifierCtrl},
                                           {"Shift", macro::kModifierShift},
                                           {"Alt", macro::kModifierAlt},
                                           {"Left Windows", macro::kModifierLeftWindows},
                                           {"Right Windows", macro::kModifierRightWindows}}};

constexpr std::array<Named, 5> kButtons{{{"left", macro::kButtonLeft},
                                         {"right", macro::kButtonRight},
                                         {"middle", macro::kButtonMiddle},
                                         {"forward", macro::kButtonForward},
                                         {"backward", macro::kButtonBackward}}};

constexpr int kFirstKeyIndex = 3;  // 0 "None", 1 "Demo" and 2 "255" are no keys
constexpr int kLastKeyIndex = 143;
constexpr int kMaxDelay = 65535;
constexpr int kMinMove = -128;
constexpr int kMaxMove = 127;

// Where macros and gun presets differ in their text and their bytes.
struct EventTextRules {
  std::string_view subject;  // "macro", "gun preset"
  // A macro's repeat block holds all of its events; a gun preset's may stand anywhere.
  bool blockHoldsEverything;
  // repeat until-end, until-any-key and until-released.
  bool untilForms;
  long minRepeat;
  long maxRepeat;
  // The bytes with the end byte: a macro's most, a gun preset's record exactly.
  size_t length;
  // The record is filled with zeros after the end byte to its length.
  bool zeroFilled;
};

constexpr EventTextRules kMacroRules{
    "macro", true, true, macro::kRepeatCountMin, macro::kRepeatCountMax, macro_library::kBodyLength,
    false};
constexpr EventTextRules kGunPresetRules{
    "gun preset", false, false, 0, std::numeric_limits<uint8_t>::max(), image::kGunRecordLength,
    true};

std::optional<uint8_t> modifierBit(std::string_view name) {
  for (const Named& m : kModifiers)
    if (m.name == name) return m.bit;
  return std::nullopt;
}

// A key's HID usage by the recorder's name for it.
std::optional<uint8_t> usageOfKey(std::string_view name) {
  for (int index = kFirstKeyIndex; index <= kLastKeyIndex; ++index)
    if (nameOfKeyIndex(index) == name && deviceCodeOfKeyIndex(index) != 0)
      return deviceCodeOfKeyIndex(index);
  return std::nullopt;
}

std::vector<std::string> keyNames() {
  std::vector<std::string> names;
  for (const Named& m : kModifiers) names.emplace_back(m.name);
  for (int index = kFirstKeyIndex; index <= kLastKeyIndex; ++index)
    if (deviceCodeOfKeyIndex(index) != 0) names.push_back(nameOfKeyIndex(index));
  return names;
}

std::string quotedIfNeeded(std::string_view name) {
  return name.find(' ') == std::string_view::npos ? std::string(name)
                                                  : "\"" + std::string(name) + "\"";
}

// ---- reading ----

struct Token {
  std::string text;
  size_t column;  // 1-based
  bool quoted = false;
};

struct LineWords {
  std::vector<Token> tokens;
  std::string error;
  size_t errorColumn = 0;
};

LineWords splitLine(std::string_view line) {
  LineWords words;
  size_t at = 0;
  while (at < line.size()) {
    const char c = line[at];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++at;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      const size_t close = line.find('"', at + 1);
      if (close == std::string_view::npos) {
        words.error = "a quoted name is not closed";
        words.errorColumn = at + 1;
        return words;
      }
      words.tokens.push_back({std::string(line.substr(at + 1, close - at - 1)), at + 1, true});
      at = close + 1;
    } else {
      const size_t end = line.find_first_of(" \t\r#\"", at);
      const size_t stop = end == std::string_view::npos ? line.size() : end;
      words.tokens.push_back({std::string(line.substr(at, stop - at)), at + 1});
      at = stop;
    }
  }
  return words;
}

std::optional<long> wholeNumber(const std::string& text) {
  if (text.empty() || text.size() > 7) return std::nullopt;
  size_t at = text[0] == '-' ? 1 : 0;
  if (at == text.size()) return std::nullopt;
  long value = 0;
  for (; at < text.size(); ++at) {
    if (text[at] < '0' || text[at] > '9') return std::nullopt;
    value = value * 10 + (text[at] - '0');
  }
  return text[0] == '-' ? -value : value;
}

class MacroTextReader {
 public:
  explicit MacroTextReader(const EventTextRules& rules) : rules_(rules) {}
  MacroTextParse read(std::string_view text);

 private:
  bool fail(size_t column, const std::string& message) {
    if (error_.empty())
      error_ =
          "line " + std::to_string(line_) + ", column " + std::to_string(column) + ": " + message;
    return false;
  }
  bool readLine(const std::vector<Token>& tokens);
  bool readRepeat(const std::vector<Token>& tokens);
  bool readRepeatMode(const Token& mode);
  bool readBlockEnd(const std::vector<Token>& tokens);
  std::string lengthError() const;
  bool readEvent(const std::vector<Token>& tokens);
  bool needValues(const std::vector<Token>& tokens, size_t count, const char* form);
  std::optional<uint8_t> keyEvent(const Token& key, bool press);
  std::optional<uint8_t> buttonBit(const Token& button);
  std::optional<long> number(const Token& token, long low, long high, const char* what);

  const EventTextRules& rules_;
  std::vector<uint8_t> events_;
  std::string error_;
  size_t line_ = 0;
  size_t blockLine_ = 0;  // the line that opened the repeat block, 0 for none
  bool blockClosed_ = false;
  // The block's bytes: until-released has none.
  bool blockInBytes_ = false;
};

bool MacroTextReader::needValues(const std::vector<Token>& tokens, size_t count, const char* form) {
  if (tokens.size() == count + 1) return true;
  const size_t column = tokens.size() > count + 1 ? tokens[count + 1].column : tokens[0].column;
  return fail(column, std::string("write it as \"") + form + "\"");
}

std::optional<long> MacroTextReader::number(const Token& token, long low, long high,
                                            const char* what) {
  const std::optional<long> value = token.quoted ? std::nullopt : wholeNumber(token.text);
  if (value && *value >= low && *value <= high) return value;
  fail(token.column, std::string(what) + " is a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + token.text + "\"");
  return std::nullopt;
}

std::optional<uint8_t> MacroTextReader::buttonBit(const Token& button) {
  for (const Named& b : kButtons)
    if (!button.quoted && b.name == button.text) return b.bit;
  fail(button.column, "no mouse button \"" + button.text +
                          "\"; the buttons are left, right, middle, forward and backward");
  return std::nullopt;
}

std::optional<uint8_t> MacroTextReader::keyEvent(const Token& key, bool press) {
  if (const auto bit = modifierBit(key.text)) {
    events_.push_back(press ? macro::kModifierPress : macro::kModifierRelease);
    return bit;
  }
  std::optional<uint8_t> usage = usageOfKey(key.text);
  if (!usage && !key.quoted && key.text.size() == 4 && key.text.starts_with("0x")) {
    const std::optional<uint32_t> value = readHexDigits(std::string_view(key.text).substr(2));
    if (value && *value != 0) usage = static_cast<uint8_t>(*value);
  }
  if (!usage) {
    std::string message = "no key \"" + key.text + "\"";
    const std::vector<std::string> close = closeNames(key.text, keyNames(), 1);
    if (!close.empty()) message += "; did you mean " + quotedIfNeeded(close.front()) + "?";
    fail(key.column, message);
    return std::nullopt;
  }
  events_.push_back(press ? macro::kKeyPress : macro::kKeyRelease);
  return usage;
}

bool MacroTextReader::readEvent(const std::vector<Token>& tokens) {
  const Token& word = tokens[0];
  if (word.text == "press" || word.text == "release") {
    if (tokens.size() > 2) {
      std::string joined = tokens[1].text;
      for (size_t i = 2; i < tokens.size(); ++i) joined += " " + tokens[i].text;
      if (usageOfKey(joined) || modifierBit(joined))
        return fail(tokens[1].column,
                    "a name with a blank goes in double quotes: \"" + joined + "\"");
    }
    if (!needValues(tokens, 1, "press KEY")) return false;
    const std::optional<uint8_t> operand = keyEvent(tokens[1], word.text == "press");
    if (!operand) return false;
    events_.push_back(*operand);
    return true;
  }
  if (word.text == "down" || word.text == "up" || word.text == "click") {
    if (!needValues(tokens, 1, "click BUTTON")) return false;
    const std::optional<uint8_t> bit = buttonBit(tokens[1]);
    if (!bit) return false;
    if (word.text != "up") events_.push_back(macro::kButtonPressBase | *bit);
    if (word.text != "down") events_.push_back(macro::kButtonReleaseBase | *bit);
    return true;
  }
  if (word.text == "delay") {
    if (!needValues(tokens, 1, "delay MS")) return false;
    const std::optional<long> ms = number(tokens[1], 0, kMaxDelay, "a delay");
    if (!ms) return false;
    events_.insert(events_.end(), {macro::kDelay, static_cast<uint8_t>(*ms >> 8),
                                   static_cast<uint8_t>(*ms & 0xFF)});
    return true;
  }
  if (word.text == "move") {
    if (!needValues(tokens, 2, "move X Y")) return false;
    const std::optional<long> x = number(tokens[1], kMinMove, kMaxMove, "X");
    const std::optional<long> y = x ? number(tokens[2], kMinMove, kMaxMove, "Y") : std::nullopt;
    if (!y) return false;
    events_.insert(events_.end(), {macro::kMove, static_cast<uint8_t>(*x & 0xFF),
                                   static_cast<uint8_t>(*y & 0xFF)});
    return true;
  }
  return fail(word.column, "\"" + word.text +
                               "\" is not an event; the events are press, release, down, up, "
                               "click, delay and move");
}

bool MacroTextReader::readRepeatMode(const Token& mode) {
  uint8_t repeat = 0;
  if (rules_.untilForms && !mode.quoted && mode.text == "until-released") return true;
  if (rules_.untilForms && !mode.quoted && mode.text == "until-end") {
    repeat = macro::kRepeatUntilMacroEnd;
  } else if (rules_.untilForms && !mode.quoted && mode.text == "until-any-key") {
    repeat = macro::kRepeatUntilAnyKey;
  } else {
    const auto count = number(mode, rules_.minRepeat, rules_.maxRepeat, "a repeat count");
    if (!count) return false;
    repeat = static_cast<uint8_t>(*count);
  }
  events_.insert(events_.end(), {macro::kRepeatStart, repeat});
  blockInBytes_ = true;
  return true;
}

bool MacroTextReader::readRepeat(const std::vector<Token>& tokens) {
  if (blockLine_ != 0)
    return fail(tokens[0].column,
                "a " + std::string(rules_.subject) + " has one repeat block at most");
  if (rules_.blockHoldsEverything && !events_.empty())
    return fail(tokens[0].column, "the repeat block holds the whole macro: it comes first");
  if (tokens.size() != 3 || tokens[2].text != "{" || tokens[2].quoted)
    return fail(tokens[0].column, rules_.untilForms
                                      ? "write it as \"repeat N {\" or \"repeat until-end {\""
                                      : "write it as \"repeat N {\"");
  if (!readRepeatMode(tokens[1])) return false;
  blockLine_ = line_;
  return true;
}

bool MacroTextReader::readBlockEnd(const std::vector<Token>& tokens) {
  if (blockLine_ == 0 || blockClosed_) return fail(tokens[0].column, "no repeat block is open");
  if (tokens.size() > 1) return fail(tokens[1].column, "nothing may follow \"}\"");
  if (blockInBytes_) events_.push_back(macro::kRepeatEnd);
  blockClosed_ = true;
  return true;
}

bool MacroTextReader::readLine(const std::vector<Token>& tokens) {
  if (tokens.empty()) return true;
  if (blockClosed_ && rules_.blockHoldsEverything)
    return fail(tokens[0].column, "nothing may follow the repeat block");
  if (tokens[0].text == "repeat" && !tokens[0].quoted) return readRepeat(tokens);
  if (tokens[0].text == "}" && !tokens[0].quoted) return readBlockEnd(tokens);
  return readEvent(tokens);
}

std::string MacroTextReader::lengthError() const {
  const std::string subject(rules_.subject);
  if (rules_.zeroFilled)
    return "the " + subject + " takes " + std::to_string(events_.size()) + " event bytes; a " +
           subject + " holds at most " + std::to_string(rules_.length - 1) +
           " (its last byte is the end byte)";
  return "the " + subject + " takes " + std::to_string(events_.size() + 1) +
         " bytes with its end; a " + subject + " holds at most " + std::to_string(rules_.length);
}

MacroTextParse MacroTextReader::read(std::string_view text) {
  MacroTextParse parse;
  size_t start = 0;
  while (start <= text.size() && error_.empty()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    ++line_;
    const LineWords words = splitLine(text.substr(start, end - start));
    if (!words.error.empty())
      fail(words.errorColumn, words.error);
    else
      readLine(words.tokens);
    start = end + 1;
  }
  if (error_.empty() && blockLine_ != 0 && !blockClosed_)
    error_ = "line " + std::to_string(line_) + ": the repeat block opened on line " +
             std::to_string(blockLine_) + " is not closed with \"}\"";
  if (error_.empty() && events_.size() >= rules_.length) error_ = lengthError();
  if (!error_.empty()) {
    parse.error = error_;
    return parse;
  }
  events_.push_back(macro::kEventEnd);
  if (rules_.zeroFilled) events_.resize(rules_.length, 0);
  parse.ok = true;
  parse.bytes = std::move(events_);
  return parse;
}

// ---- writing ----

std::string keyText(uint8_t usage) {
  for (int index = kFirstKeyIndex; index <= kLastKeyIndex; ++index) {
    const std::string name = nameOfKeyIndex(index);
    if (deviceCodeOfKeyIndex(index) == usage && !modifierBit(name)) return quotedIfNeeded(name);
  }
  return "0x" + hexDigits(usage, 2);
}

std::optional<std::string> buttonName(uint8_t bit) {
  for (const Named& b : kButtons)
    if (b.bit == bit) return std::string(b.name);
  return std::nullopt;
}

// The text of one event, or nothing when it has none.
std::optional<std::string> eventText(std::span<const uint8_t> event,
                                     std::span<const uint8_t> next) {
  const uint8_t code = event[0];
  if (code == macro::kModifierPress || code == macro::kModifierRelease) {
    for (const Named& m : kModifiers)
      if (m.bit == event[1])
        return std::string(code == macro::kModifierPress ? "press " : "release ") +
               quotedIfNeeded(m.name);
    return std::nullopt;
  }
  if (code == macro::kKeyPress || code == macro::kKeyRelease) {
    if (event[1] == 0) return std::nullopt;
    return std::string(code == macro::kKeyPress ? "press " : "release ") + keyText(event[1]);
  }
  if (code == macro::kDelay) return "delay " + std::to_string(event[1] << 8 | event[2]);
  if (code == macro::kMove)
    return "move " + std::to_string(static_cast<int8_t>(event[1])) + " " +
           std::to_string(static_cast<int8_t>(event[2]));
  const uint8_t base = code & 0xE0;
  const std::optional<std::string> button = buttonName(code & 0x1F);
  if (!button || (base != macro::kButtonPressBase && base != macro::kButtonReleaseBase))
    return std::nullopt;
  if (base == macro::kButtonPressBase && !next.empty() &&
      next[0] == (macro::kButtonReleaseBase | (code & 0x1F)))
    return "click " + *button;
  return (base == macro::kButtonPressBase ? "down " : "up ") + *button;
}

struct Walked {
  std::vector<std::span<const uint8_t>> events;  // up to the end byte
  std::optional<size_t> endAt;                   // where the end byte stands
  std::optional<size_t> unknownAt;               // a byte that is no event's code
};

Walked walk(std::span<const uint8_t> bytes) {
  Walked walked;
  for (size_t at = 0; at < bytes.size();) {
    const std::optional<size_t> length = macro::eventLength(bytes[at]);
    if (!length) walked.unknownAt = at;
    if (!length || at + *length > bytes.size()) return walked;
    if (bytes[at] == macro::kEventEnd) {
      walked.endAt = at;
      return walked;
    }
    walked.events.push_back(bytes.subspan(at, *length));
    at += *length;
  }
  return walked;
}

std::optional<std::string> repeatHeader(uint8_t mode, const EventTextRules& rules) {
  if (rules.untilForms && mode == macro::kRepeatUntilMacroEnd) return "repeat until-end {";
  if (rules.untilForms && mode == macro::kRepeatUntilAnyKey) return "repeat until-any-key {";
  if (mode < rules.minRepeat || mode > rules.maxRepeat) return std::nullopt;
  return "repeat " + std::to_string(mode) + " {";
}

// A name from the mouse may hold anything; a line break in it must not end the comment.
std::string titleComment(std::string_view title) {
  if (title.empty()) return {};
  std::string comment(title);
  std::ranges::replace_if(
      comment, [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return "# " + comment + "\n";
}

// A refusal or the line of one event.
struct WrittenLine {
  std::string line;
  std::string problem;
};

class EventTextWriter {
 public:
  explicit EventTextWriter(const EventTextRules& rules) : rules_(rules) {}
  MacroTextWrite write(std::span<const uint8_t> bytes, std::string_view title);

 private:
  static MacroTextWrite refuse(const std::string& why) { return {false, {}, why}; }
  std::string subjects() const { return "the " + std::string(rules_.subject) + "'s "; }
  std::string holdsAll() const {
    return subjects() + "repeat block does not hold all of its events";
  }
  std::string endProblem(std::span<const uint8_t> bytes, const Walked& walked) const;
  WrittenLine blockStart(std::span<const uint8_t> event, bool first);
  WrittenLine blockEnd(bool last);

  const EventTextRules& rules_;
  bool blockOpen_ = false;
  bool blockSeen_ = false;
};

// Why the bytes do not end as the rules want; empty when they do.
std::string EventTextWriter::endProblem(std::span<const uint8_t> bytes,
                                        const Walked& walked) const {
  if (walked.unknownAt)
    return "byte " + hexDigits(bytes[*walked.unknownAt], 2) + " at position " +
           std::to_string(*walked.unknownAt) + " is no event's code";
  if (!walked.endAt) {
    if (!rules_.zeroFilled) return subjects() + "events do not end with the end byte";
    return subjects() + "events take more than " + std::to_string(rules_.length - 1) +
           " bytes: its last byte must be the end byte";
  }
  if (!rules_.zeroFilled) return {};
  for (size_t at = *walked.endAt + 1; at < bytes.size(); ++at)
    if (bytes[at] != 0)
      return "byte " + hexDigits(bytes[at], 2) + " at position " + std::to_string(at) +
             " follows the end byte; after it " + subjects() + "bytes are zero";
  return {};
}

WrittenLine EventTextWriter::blockStart(std::span<const uint8_t> event, bool first) {
  if (blockSeen_)
    return {{}, "the " + std::string(rules_.subject) + " has more than one repeat block"};
  if (rules_.blockHoldsEverything && !first) return {{}, holdsAll()};
  const std::optional<std::string> header = repeatHeader(event[1], rules_);
  if (!header) return {{}, "repeat byte " + std::to_string(event[1]) + " has no text form"};
  blockOpen_ = blockSeen_ = true;
  return {*header, {}};
}

WrittenLine EventTextWriter::blockEnd(bool last) {
  if (!blockOpen_) return {{}, subjects() + "repeat block ends where none is open"};
  if (rules_.blockHoldsEverything && !last) return {{}, holdsAll()};
  blockOpen_ = false;
  return {"}", {}};
}

MacroTextWrite EventTextWriter::write(std::span<const uint8_t> bytes, std::string_view title) {
  const Walked walked = walk(bytes);
  if (const std::string problem = endProblem(bytes, walked); !problem.empty())
    return refuse(problem);
  const std::vector<std::span<const uint8_t>>& body = walked.events;
  std::string text = titleComment(title);
  for (size_t i = 0; i < body.size(); ++i) {
    const uint8_t code = body[i][0];
    WrittenLine written;
    if (code == macro::kRepeatStart) {
      written = blockStart(body[i], i == 0);
    } else if (code == macro::kRepeatEnd) {
      written = blockEnd(i + 1 == body.size());
    } else {
      const auto next = i + 1 < body.size() ? body[i + 1] : std::span<const uint8_t>();
      const std::optional<std::string> line = eventText(body[i], next);
      if (!line) return refuse("event " + hexBytes(body[i]) + " has no text form");
      if (line->starts_with("click ")) ++i;
      written.line = (blockOpen_ ? "  " : "") + *line;
    }
    if (!written.problem.empty()) return refuse(written.problem);
    text += written.line + "\n";
  }
  if (blockOpen_) return refuse(subjects() + "repeat block is not closed");
  return {true, text, {}};
}

}  // namespace

MacroTextParse parseMacroText(std::string_view text) {
  return MacroTextReader(kMacroRules).read(text);
}

MacroTextWrite writeMacroText(std::span<const uint8_t> events, std::string_view title) {
  return EventTextWriter(kMacroRules).write(events, title);
}

MacroTextParse parseGunPresetText(std::string_view text) {
  return MacroTextReader(kGunPresetRules).read(text);
}

MacroTextWrite writeGunPresetText(std::span<const uint8_t, image::kGunRecordLength> record,
                                  std::string_view title) {
  return EventTextWriter(kGunPresetRules).write(record, title);
}

}  // namespace mousecfg

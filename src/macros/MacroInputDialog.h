#pragma once

#include <array>
#include <optional>
#include <string>

namespace mousecfg {

class Host;

enum class MacroDialogKind { Name, Key, Delay, Move, RepeatCount };

// One of the macro page's five input dialogs, headless: what its fields hold while the
// user types, and what it hands back. While it is open the page is covered and its three
// lists are disabled; confirming or closing uncovers them.
class MacroInputDialog {
 public:
  static constexpr size_t kMaxNameLength = 8;

  // `pressLine`: the key dialog edits a press line ("82" codes), else a release ("02").
  MacroInputDialog(MacroDialogKind kind, Host& host, bool pressLine = true);
  ~MacroInputDialog();
  MacroInputDialog(const MacroInputDialog&) = delete;
  MacroInputDialog& operator=(const MacroInputDialog&) = delete;

  MacroDialogKind kind() const { return kind_; }
  // The language keys of the title (two for the X/Y dialog: X, then Y).
  std::array<const char*, 2> titleKeys() const;
  bool isOpen() const { return open_; }
  bool listsEnabled() const { return !open_; }

  // The user changed field `field` (0, or 1 for Y) to `text`: the field keeps what the
  // limits allow. A name keeps at most 8 characters; numbers are clamped into range.
  void type(size_t field, const std::string& text);
  // A key went down in the key dialog's field: the field shows its name.
  void keyDown(int virtualKey);
  const std::string& field(size_t field) const { return fields_.at(field); }

  void Clear();
  // Closes the dialog. The value: the name, or the new event line ("0 50", "1 A CODE:8204",
  // "3 04F40C", "7 FD03"). Nothing when a field is empty: the macro stays as it is.
  std::optional<std::string> Confirm();
  void Close();

 private:
  std::string limited(const std::string& text) const;
  void uncover();

  MacroDialogKind kind_;
  Host& host_;
  bool pressLine_;
  bool open_ = true;
  std::array<std::string, 2> fields_{};
  std::string keyResult_;  // name + " CODE:" + code, from the last key-down
};

}  // namespace mousecfg

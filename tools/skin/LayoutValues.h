#pragma once

#include <QHash>
#include <QString>

namespace mousecfg::skin {

// The integer keys of one section of a UTF-8 layout source, for the mock-up.
class LayoutValues {
 public:
  static LayoutValues read(const QString& path, const QString& section);

  int value(const QString& key, int fallback = 0) const;
  bool enabled(const QString& key) const { return value(key) == 1; }
  bool empty() const { return values_.isEmpty(); }

 private:
  QHash<QString, int> values_;  // by lower-case key
};

}  // namespace mousecfg::skin

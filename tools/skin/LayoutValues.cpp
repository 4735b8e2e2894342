#include "LayoutValues.h"

#include <QFile>

namespace mousecfg::skin {

LayoutValues LayoutValues::read(const QString& path, const QString& section) {
  LayoutValues layout;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return layout;
  const QString wanted = section.toLower();
  bool inSection = false;
  for (const QString& raw : QString::fromUtf8(file.readAll()).split('\n')) {
    const QString line = raw.trimmed();
    if (line.startsWith('[')) {
      inSection = line.mid(1, line.indexOf(']') - 1).trimmed().toLower() == wanted;
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (!inSection || line.startsWith(';') || equals <= 0) continue;
    bool number = false;
    const int value = line.mid(equals + 1).trimmed().toInt(&number);
    const QString key = line.left(equals).trimmed().toLower();
    if (number && !layout.values_.contains(key)) layout.values_.insert(key, value);
  }
  return layout;
}

int LayoutValues::value(const QString& key, int fallback) const {
  return values_.value(key.toLower(), fallback);
}

}  // namespace mousecfg::skin

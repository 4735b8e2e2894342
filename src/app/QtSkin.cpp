#include "app/QtSkin.h"

#include <QHash>

// The skin is compiled into a static library, whose resource registration the linker
// would drop unless something refers to it.
static void registerSkinResources() {
  Q_INIT_RESOURCE(skin);
}

namespace mousecfg {

namespace {

QString resourcePath(std::string_view name) {
  return QStringLiteral(":/skin/") + QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

// Pictures are loaded once; a missing variant is remembered as a null picture, so
// the lookup costs nothing the next time.
QPixmap load(const QString& path) {
  static const bool registered = (registerSkinResources(), true);
  (void)registered;
  static QHash<QString, QPixmap> loaded;
  const auto found = loaded.constFind(path);
  if (found != loaded.constEnd()) return *found;
  QPixmap pixmap(path);
  loaded.insert(path, pixmap);
  return pixmap;
}

}  // namespace

QPixmap QtSkin::picture(std::string_view name, int language) {
  if (language > 0) {
    QPixmap variant = load(QStringLiteral(":/skin/L%1_").arg(language) +
                           QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    if (!variant.isNull()) return variant;
  }
  return load(resourcePath(name));
}

Size QtSkin::size(std::string_view name) {
  const QPixmap pixmap = picture(name);
  return {pixmap.width(), pixmap.height()};
}

}  // namespace mousecfg

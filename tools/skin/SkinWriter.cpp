#include "SkinWriter.h"

#include <QDir>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

#include "AppIcon.h"
#include "SkinCatalog.h"
#include "SkinPalette.h"

namespace mousecfg::skin {
namespace {

// Highest zlib compression; the files are checked in.
constexpr int kPngQuality = 0;

bool writeImage(const QImage& picture, const QString& path) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG", kPngQuality) ||
      !file.commit()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool writePicture(const QDir& folder, const SkinPicture& picture) {
  return writeImage(picture.paint(), folder.filePath(picture.name + ".png"));
}

bool writeResourceList(const QDir& folder, const std::vector<SkinPicture>& catalog) {
  QSaveFile file(folder.filePath("skin.qrc"));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QTextStream out(&file);
  out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/skin\">\n";
  for (const SkinPicture& picture : catalog)
    out << "  <file alias=\"" << picture.name << "\">" << picture.name << ".png</file>\n";
  out << "</qresource>\n</RCC>\n";
  out.flush();
  if (file.commit()) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath("skin.qrc")));
  return false;
}

}  // namespace

bool writeSkin(const QString& folderPath) {
  QDir folder(folderPath);
  if (!folder.mkpath(".")) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folderPath));
    return false;
  }
  const std::vector<SkinPicture> catalog = skinCatalog();
  bool ok = true;
  for (const SkinPicture& picture : catalog) ok = writePicture(folder, picture) && ok;
  ok = writeResourceList(folder, catalog) && ok;
  if (ok)
    std::printf("wrote %zu pictures and skin.qrc to %s\n", catalog.size(), qPrintable(folderPath));
  return ok;
}

bool writeThemeIcons(const QString& folderPath) {
  bool ok = true;
  for (const int pixels : kThemeIconSizes) {
    const QString size = QString("%1x%1").arg(pixels);
    QDir folder(QDir(folderPath).filePath("hicolor/" + size + "/apps"));
    if (!folder.mkpath(".")) {
      std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
      ok = false;
      continue;
    }
    const QImage icon = paintAppIcon(skinPalette(kFirstSkinSet), pixels);
    ok = writeImage(icon, folder.filePath("mousecfg.png")) && ok;
  }
  if (ok)
    std::printf("wrote the application icon in %zu sizes to %s\n", std::size(kThemeIconSizes),
                qPrintable(folderPath));
  return ok;
}

}  // namespace mousecfg::skin

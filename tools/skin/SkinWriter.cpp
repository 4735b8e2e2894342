#include "SkinWriter.h"

#include <QDir>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

#include "SkinCatalog.h"

namespace mousecfg::skin {
namespace {

// Highest zlib compression; the files are checked in.
constexpr int kPngQuality = 0;

bool writePicture(const QDir& folder, const SkinPicture& picture) {
  const QImage image = picture.paint().convertToFormat(QImage::Format_ARGB32);
  const QString path = folder.filePath(picture.name + ".png");
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG", kPngQuality) ||
      !file.commit()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
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

}  // namespace mousecfg::skin

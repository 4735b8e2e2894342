#include "Mockup.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <cstdio>

#include "AppIcon.h"
#include "LayoutValues.h"
#include "MacroEventIcons.h"
#include "Painting.h"
#include "SkinCatalog.h"
#include "SkinPalette.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

struct PageButton {
  const char* key;
  const char* caption;
  char group;
};

const PageButton kPageButtons[] = {
    {"Btn_B1", "Office Mode", 'A'},   {"Btn_B2", "Game Mode", 'A'},
    {"Btn_B3", "Fixed Control", 'A'}, {"Btn_B4", "Advanced", 'A'},
    {"Btn_B5", "Lighting", 'A'},      {"Btn_B11", "Macro", 'A'},
    {"Btn_B12", "Update", 'A'},       {"Btn_B6", "Save Profile", 'B'},
    {"Btn_B7", "Load Profile", 'B'},  {"Btn_B8", "English", 'A'},
    {"Btn_B9", "Language 2", 'A'},    {"Btn_B10", "Language 3", 'A'},
};
const char* const kSelectedButton[] = {"Btn_B1", "Btn_B4", "Btn_B5", "Btn_B11"};

struct SampleEvent {
  int kind;
  const char* text;
};

// One line of each kind, in the order a recorded macro might have them.
const SampleEvent kSampleEvents[] = {
    {7, "Loop 3 times"},  {1, "A"},           {0, "50 ms"},       {2, "A"},
    {3, "X: -12  Y: 12"}, {5, "Other event"}, {8, "End of loop"},
};

const char* const kKeyCaptions[] = {"Left Key", "Backward", "Fire Key1",  "Right Key",
                                    "Forward",  "DPI +",    "Middle Key", "DPI Loop",
                                    "DPI -",    "LED Mode", "LED ON/OFF", "Desktop"};

class WindowMockup {
 public:
  WindowMockup(int set, const LayoutValues& layout)
      : set_(set), layout_(layout), image_(paintSetPicture(set, "BackGround")), painter_(&image_) {
    prepare(painter_);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
  }

  QImage compose(int page) {
    const QString p = QString("P%1_").arg(page);
    picture(QString("Back%1").arg(page), layout_.value(p + "X"), layout_.value(p + "Y"));
    for (const PageButton& button : kPageButtons) {
      const QString key = button.key;
      if (!layout_.enabled(key + "_Enable")) continue;
      const bool selected = key == kSelectedButton[page - 1];
      captionedPicture(selected ? "SetS_03" : "SetS_01", key, button.caption, button.group, true);
    }
    captionedPicture("WebS_01", 750, 520, "Website", 'B', false);
    picture("MinS_01", layout_.value("Btn_A6_X"), layout_.value("Btn_A6_Y"));
    picture("ExitS_02", layout_.value("Btn_A4_X"), layout_.value("Btn_A4_Y"));
    text(QRect(60, 18, 400, 24), "Mouse Configurator", 'E', Qt::AlignLeft | Qt::AlignVCenter);
    hint("Click a button label to choose its function.");
    if (page == 1) keyLabels();
    if (page == 2) advancedControls();
    if (page == 3) lightingControls();
    if (page == 4) macroEvents();
    painter_.end();
    return image_;
  }

 private:
  void picture(const QString& name, int x, int y) {
    painter_.drawImage(QPoint(x, y), paintSetPicture(set_, name));
  }

  void captionedPicture(const QString& name, const QString& key, const QString& caption, char group,
                        bool inset) {
    captionedPicture(name, layout_.value(key + "_X"), layout_.value(key + "_Y"), caption, group,
                     inset);
  }

  void captionedPicture(const QString& name, int x, int y, const QString& caption, char group,
                        bool inset) {
    const QImage image = paintSetPicture(set_, name);
    painter_.drawImage(QPoint(x, y), image);
    const int front = inset ? layout_.value("Btn_Space_F") : 0;
    const int back = inset ? layout_.value("Btn_Space_B") : 0;
    text(QRect(x + front, y, image.width() - front - back, image.height()), caption, group,
         Qt::AlignCenter);
  }

  void text(const QRect& rect, const QString& caption, char group, Qt::Alignment align) {
    const QString g = QString("Color_%1_").arg(group);
    const QColor colour(layout_.value(g + "R"), layout_.value(g + "G"), layout_.value(g + "B"));
    const int size = layout_.value(QString("Size_%1").arg(group), 9);
    drawText(rect, caption, size, colour, align);
  }

  void drawText(const QRect& rect, const QString& caption, int points, const QColor& colour,
                Qt::Alignment align) {
    QFont font("Liberation Sans");
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    painter_.setFont(font);
    painter_.setPen(colour);
    painter_.drawText(rect, align, caption);
  }

  void hint(const QString& caption) {
    const int size = layout_.value("Hint_Lable_Size", 9);
    const QColor colour(layout_.value("Hint_Lable_R"), layout_.value("Hint_Lable_G"),
                        layout_.value("Hint_Lable_B"));
    drawText(QRect(layout_.value("Hint_Lable_X"), layout_.value("Hint_Lable_Y"),
                   layout_.value("Hint_Lable_Width"), 2 * size + 4),
             caption, size, colour, Qt::AlignLeft | Qt::AlignVCenter);
  }

  void keyLabels() {
    for (int k = 1; k <= 2 * kKeysPerSide; ++k) {
      const QString key = QString("Key%1").arg(k);
      if (!layout_.enabled(key + "_Enable")) continue;
      captionedPicture(k == 3 ? "KeyS_02" : "KeyS_01", key, kKeyCaptions[k - 1], 'C', false);
    }
  }

  // Sample controls in the page frames, to judge the small pictures in place.
  void advancedControls() {
    const int left = kContentPanel.x() + 16;
    const int top = kContentPanel.y() + 16 + 28;
    for (int row = 0; row < 8; ++row) {
      const int y = top + row * 41 + 12;
      picture(row == 2 ? "CbS_E" : "CbS_D", left + 12, y);
      const QImage groove = paintSetPicture(set_, row < 4 ? "Bar1_E" : "Bar1_D");
      painter_.drawImage(QRect(left + 90, y + 5, 200, 8), groove);
    }
    for (int row = 0; row < 3; ++row) {
      const int y = top + row * 109 + 40;
      painter_.drawImage(QRect(kContentPanel.x() + 380, y, 280, 8),
                         paintSetPicture(set_, "Bar1_E"));
      picture(row == 0 ? "RdS_E" : "RdS_D", kContentPanel.x() + 380, y + 30);
      picture("RdS_D", kContentPanel.x() + 470, y + 30);
    }
    for (const char* key : {"Btn_A2", "Btn_A3", "Btn_A5"}) {
      if (!layout_.enabled(QString(key) + "_Enable")) continue;
      captionedPicture("BtnS_01", key, "Restore", 'B', false);
    }
  }

  void lightingControls() {
    const int x = kContentPanel.x() + 16 + 240 + 14 + 20;
    for (int i = 0; i < 10; ++i) {
      const QImage bar = paintSetPicture(set_, i < 6 ? "Bar1_E" : "Bar1_D");
      painter_.drawImage(QRect(x + i * 36, kContentPanel.y() + 16 + 60, 30, 8), bar);
      painter_.drawImage(QRect(x + i * 36, kContentPanel.y() + 146 + 60, 30, 8),
                         paintSetPicture(set_, i < 8 ? "Bar1_E" : "Bar1_D"));
    }
    for (int i = 0; i < 6; ++i)
      picture(i == 1 ? "RdS_E" : "RdS_D", kContentPanel.x() + 40, kContentPanel.y() + 70 + 30 * i);
  }

  // A sample event list in the middle column's well: the icon, then the line 35 pixels
  // from the entry's left edge.
  void macroEvents() {
    // Card margin, first column and gap, and the well's inset; below the column header.
    const int left = kContentPanel.x() + 16 + 227 + 10 + 4;
    const int top = kContentPanel.y() + 16 + 28 + 10 + 4;
    constexpr int kRowHeight = 22;
    for (int row = 0; row < int(std::size(kSampleEvents)); ++row) {
      const SampleEvent& event = kSampleEvents[row];
      const int y = top + row * kRowHeight;
      picture(QString("MacroEvent%1").arg(event.kind), left + 6, y + 1);
      text(QRect(left + 35, y, 160, kRowHeight), event.text, 'C', Qt::AlignLeft | Qt::AlignVCenter);
    }
  }

  int set_;
  const LayoutValues& layout_;
  QImage image_;
  QPainter painter_;
};

const char* const kSheetPictures[] = {
    "SetS_01", "SetS_03",  "KeyS_01",  "KeyS_02",  "BtnS_01", "BtnS_02", "BtnS_03", "WebS_01",
    "WebS_03", "ExitS_01", "ExitS_02", "ExitS_03", "MinS_01", "MinS_02", "MinS_03", "CbS_E",
    "CbS_D",   "RdS_E",    "RdS_D",    "Bar1_E",   "Bar1_D",  "Msg"};

// All small pictures of the three sets, on the page colour they are meant for.
QImage contactSheet() {
  QImage sheet = newCanvas(1500, 1140);
  QPainter painter(&sheet);
  prepare(painter);
  sheet.fill(QColor("#101216"));
  for (int set = kFirstSkinSet; set <= kLastSkinSet; ++set) {
    const int top = (set - 1) * 380;
    painter.fillRect(QRect(0, top, 1500, 376), set == 2 ? QColor("#20242c") : QColor("#e4e7eb"));
    painter.fillRect(QRect(0, top, 200, 376), QColor("#17191e"));
    int x = 10;
    int y = top + 10;
    for (const char* name : kSheetPictures) {
      const QImage image = paintSetPicture(set, name);
      if (x + image.width() > 1080) {
        x = 10;
        y += 70;
      }
      painter.drawImage(QPoint(x, y), image);
      x += image.width() + 12;
    }
    for (int gun = 1; gun <= 7; ++gun)
      for (int state = 1; state <= 2; ++state)
        painter.drawImage(QPoint(1090 + (state - 1) * 104, top + 8 + (gun - 1) * 52),
                          paintSetPicture(set, QString("Gun%1_0%2").arg(gun).arg(state))
                              .scaled(96, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    painter.drawImage(QPoint(1320, top + 10),
                      paintSetPicture(set, "Msg")
                          .scaled(170, 105, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  return sheet;
}

// Small pictures at three times their size, pixels kept sharp, to judge the detail.
QImage zoomSheet(int set) {
  constexpr int kZoom = 3;
  QImage sheet = newCanvas(1440, 800);
  sheet.fill(set == 2 ? QColor("#20242c") : QColor("#e4e7eb"));
  QPainter painter(&sheet);
  int x = 8;
  int y = 8;
  auto place = [&](const QImage& image) {
    const QImage big = image.scaled(image.size() * kZoom);
    if (x + big.width() > sheet.width()) {
      x = 8;
      y += 64 * kZoom + 8;
    }
    painter.drawImage(QPoint(x, y), big);
    x += big.width() + 8;
  };
  for (int gun = 1; gun <= 7; ++gun) {
    place(paintSetPicture(set, QString("Gun%1_01").arg(gun)));
    if (gun == 1 || gun == 6) place(paintSetPicture(set, QString("Gun%1_02").arg(gun)));
  }
  place(paintAppIcon(skinPalette(set)));
  for (const char* name : {"CbS_E", "CbS_D", "RdS_E", "RdS_D", "ExitS_01", "MinS_02"})
    place(paintSetPicture(set, name));
  for (int kind = 0; kind < kMacroEventKindCount; ++kind)
    place(paintSetPicture(set, QString("MacroEvent%1").arg(kind)));
  return sheet;
}

bool save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (image.save(path)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

bool writeMockups(const QString& layoutFolder, const QString& outFolder) {
  QDir out(outFolder);
  if (!out.mkpath(".")) return false;
  bool ok = true;
  for (int set = kFirstSkinSet; set <= kLastSkinSet; ++set) {
    const LayoutValues layout = LayoutValues::read(
        QDir(layoutFolder).filePath(QString("ORG%1.ini").arg(set)), QString("org%1").arg(set));
    if (layout.empty()) std::fprintf(stderr, "no layout %d in %s\n", set, qPrintable(layoutFolder));
    for (int page = 1; page <= 4; ++page)
      ok = save(WindowMockup(set, layout).compose(page), out,
                QString("window_L%1_page%2.png").arg(set).arg(page)) &&
           ok;
  }
  ok = save(contactSheet(), out, "contact_sheet.png") && ok;
  for (int set = kFirstSkinSet; set <= kLastSkinSet; ++set)
    ok = save(zoomSheet(set), out, QString("zoom_L%1.png").arg(set)) &&
         save(paintSetPicture(set, "Back1")
                  .copy(kMouseBox.translated(-kContentPanel.topLeft()).adjusted(-30, -10, 30, 0))
                  .scaled(460, 780),
              out, QString("mouse_L%1.png").arg(set)) &&
         ok;
  if (ok) std::printf("wrote the mock-ups to %s\n", qPrintable(outFolder));
  return ok;
}

}  // namespace mousecfg::skin

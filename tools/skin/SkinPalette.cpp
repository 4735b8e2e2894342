#include "SkinPalette.h"

namespace mousecfg::skin {
namespace {

void setFrame(SkinPalette& p) {
  p.frameBase = QColor("#15171c");
  p.headerTop = QColor("#20232a");
  p.headerBottom = QColor("#17191e");
  p.frameLine = QColor("#2a2e36");
  p.sideTop = QColor("#1d2027");
  p.sideBottom = QColor("#181a20");
  p.sideBorder = QColor("#292d35");
}

void setLightContent(SkinPalette& p) {
  p.darkContent = false;
  p.panelTop = QColor("#eaecef");
  p.panelBottom = QColor("#e0e3e7");
  p.panelBorder = QColor("#0b0c0f");
  p.panelShade = QColor(20, 26, 34, 70);
  p.sectionFill = QColor("#eef0f3");
  p.sectionHeader = QColor("#e3e6ea");
  p.sectionBorder = QColor("#c8cdd4");
  p.wellFill = QColor("#f7f8fa");
  p.wellBorder = QColor("#c3c9d0");
  p.leaderLine = QColor("#8e97a2");
  p.buttonTop = QColor("#f1f3f6");
  p.buttonBottom = QColor("#d5dae0");
  p.buttonBorder = QColor("#9aa2ac");
  p.buttonHighlight = QColor(255, 255, 255, 220);
  p.hoverTop = QColor("#fafbfc");
  p.hoverBottom = QColor("#e2e6ea");
  p.tickFill = QColor("#fbfcfd");
  p.tickBorder = QColor("#98a1ac");
  p.grooveOff = QColor("#c6ccd3");
  p.silhouette = QColor("#3b414a");
  p.tileTop = QColor("#f3f5f7");
  p.tileBottom = QColor("#e1e5e9");
  p.tileBorder = QColor("#c2c8cf");
}

void setDarkContent(SkinPalette& p) {
  p.darkContent = true;
  p.panelTop = QColor("#242831");
  p.panelBottom = QColor("#1e2229");
  p.panelBorder = QColor("#0b0c0f");
  p.panelShade = QColor(0, 0, 0, 110);
  p.sectionFill = QColor("#282d36");
  p.sectionHeader = QColor("#2d333d");
  p.sectionBorder = QColor("#363c48");
  p.wellFill = QColor("#1b1e25");
  p.wellBorder = QColor("#363c48");
  p.leaderLine = QColor("#5d6674");
  p.buttonTop = QColor("#343a45");
  p.buttonBottom = QColor("#272b33");
  p.buttonBorder = QColor("#434a57");
  p.buttonHighlight = QColor(255, 255, 255, 34);
  p.hoverTop = QColor("#3d4450");
  p.hoverBottom = QColor("#2e333c");
  p.tickFill = QColor("#1d2027");
  p.tickBorder = QColor("#5a6370");
  p.grooveOff = QColor("#474e5b");
  p.silhouette = QColor("#aab3bf");
  p.tileTop = QColor("#2f343e");
  p.tileBottom = QColor("#262a32");
  p.tileBorder = QColor("#3b424e");
}

void setAccent(SkinPalette& p, const QColor& accent, const QColor& deep) {
  p.accent = accent;
  p.accentDeep = deep;
  p.accentGlow = accent;
  p.accentGlow.setAlpha(150);
}

}  // namespace

SkinPalette skinPalette(int set) {
  SkinPalette p;
  p.set = set;
  setFrame(p);
  if (set == 2) {
    setDarkContent(p);
    setAccent(p, QColor("#19c6d1"), QColor("#0b7780"));
    // White captions need a deeper fill than the black-caption sets.
    p.selectedTop = QColor("#16a0aa");
    p.selectedBottom = QColor("#0c6c74");
  } else if (set == 3) {
    setLightContent(p);
    setAccent(p, QColor("#f0a030"), QColor("#c07612"));
    p.selectedTop = QColor("#ffcb7a");
    p.selectedBottom = QColor("#f0a030");
  } else {
    setLightContent(p);
    setAccent(p, QColor("#19c6d1"), QColor("#0f98a2"));
    p.selectedTop = QColor("#7ce8ee");
    p.selectedBottom = QColor("#19c6d1");
  }
  return p;
}

}  // namespace mousecfg::skin

#pragma once

#include <QColor>

namespace mousecfg::skin {

// The colours of one skin set. Set 1 frames light content in graphite (black
// captions), set 2 is dark throughout (white captions), set 3 is set 1 with a warm
// accent.
struct SkinPalette {
  int set = 1;
  bool darkContent = false;

  // Window frame: header, navigation column, footer.
  QColor frameBase;
  QColor headerTop;
  QColor headerBottom;
  QColor frameLine;
  QColor sideTop;
  QColor sideBottom;
  QColor sideBorder;

  // Content card and its section frames.
  QColor panelTop;
  QColor panelBottom;
  QColor panelBorder;
  QColor panelShade;  // inner shadow
  QColor sectionFill;
  QColor sectionHeader;
  QColor sectionBorder;
  QColor wellFill;  // list and field insets
  QColor wellBorder;
  QColor leaderLine;

  // Buttons carrying captions.
  QColor buttonTop;
  QColor buttonBottom;
  QColor buttonBorder;
  QColor buttonHighlight;
  QColor hoverTop;
  QColor hoverBottom;
  QColor selectedTop;
  QColor selectedBottom;

  // Accent.
  QColor accent;
  QColor accentDeep;
  QColor accentGlow;

  // Small controls.
  QColor tickFill;
  QColor tickBorder;
  QColor grooveOff;
  QColor silhouette;
  QColor tileTop;
  QColor tileBottom;
  QColor tileBorder;
};

// Palette of skin set 1..3.
SkinPalette skinPalette(int set);

}  // namespace mousecfg::skin

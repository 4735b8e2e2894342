#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace mousecfg::skin {

inline constexpr int kFirstSkinSet = 1;
inline constexpr int kLastSkinSet = 3;

struct SkinPicture {
  QString name;  // resource alias and file name without ".png"
  std::function<QImage()> paint;
};

// Every picture of the skin. Naming: "LN_BackGround" and "LN_Back1".."LN_Back4" per
// set; every other picture X exists per set as "LN_X", and once more as plain "X" (a
// copy of "L1_X") for code that does not know the set; "AppIcon" exists once.
std::vector<SkinPicture> skinCatalog();

// The picture "LN_X" of set N, painted on demand (for the mock-up).
QImage paintSetPicture(int set, const QString& name);

}  // namespace mousecfg::skin

#include "settings/EntryParameters.h"

namespace mousecfg {

void readFireKeySettings(const FireKeyBlock& block, FireKeySettings& settings) {
  for (size_t j = 0; j < settings.size(); ++j) {
    const size_t at = image::kFireKeyParamsOffset + j * image::kFireKeyParamsLength;
    settings[j].count = block[at] + 1;
    settings[j].intervalMs = block[at + 1] << 8 | block[at + 2];
  }
}

}  // namespace mousecfg

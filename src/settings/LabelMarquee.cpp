#include "settings/LabelMarquee.h"

namespace mousecfg {

namespace {

// Length of the UTF-8 sequence that starts with `lead`; a stray byte counts as one.
size_t firstCharacterLength(const std::string& text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  size_t length = 1;
  if (lead >= 0xF0)
    length = 4;
  else if (lead >= 0xE0)
    length = 3;
  else if (lead >= 0xC0)
    length = 2;
  return length <= text.size() ? length : text.size();
}

std::string* labelCaption(const LabelMarquee& marquee, std::span<std::string> captions) {
  if (!marquee.running() || marquee.label > static_cast<int>(captions.size())) return nullptr;
  return &captions[static_cast<size_t>(marquee.label - 1)];
}

}  // namespace

std::string marqueeFirstStep(const std::string& text) {
  const size_t first = firstCharacterLength(text);
  if (first == 0) return text;
  return text.substr(first) + LabelMarquee::kGap + text.substr(0, first);
}

std::string rotateLeftOneCharacter(const std::string& text) {
  const size_t first = firstCharacterLength(text);
  return text.substr(first) + text.substr(0, first);
}

void startMarquee(LabelMarquee& marquee, int label, const std::string& text) {
  marquee.label = label;
  marquee.counter = 0;
  marquee.fullText = text;
}

bool LabelRun(LabelMarquee& marquee, std::span<std::string> captions) {
  std::string* caption = labelCaption(marquee, captions);
  if (!caption) return false;
  ++marquee.counter;
  if (marquee.counter > LabelMarquee::kLastCount) marquee.counter = LabelMarquee::kRestartCount;
  const std::string before = *caption;
  *caption = marquee.counter == 1 ? marqueeFirstStep(before) : rotateLeftOneCharacter(before);
  return *caption != before;
}

void stopMarquee(LabelMarquee& marquee, std::span<std::string> captions) {
  if (std::string* caption = labelCaption(marquee, captions)) *caption = marquee.fullText;
  marquee = LabelMarquee{};
}

}  // namespace mousecfg

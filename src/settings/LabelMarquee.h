#pragma once

#include <span>
#include <string>

namespace mousecfg {

// Scrolling of a long key label while the pointer rests on it: every 200 ms tick
// rotates the label's text left by one character; leaving the label restores it.
struct LabelMarquee {
  static constexpr int kTickMs = 200;
  static constexpr int kLastCount = 20;
  static constexpr int kRestartCount = 2;
  static constexpr const char* kGap = "    ";

  int label = 0;  // 1..12 while running, 0 when stopped
  int counter = 0;
  std::string fullText;

  bool running() const { return label != 0; }
};

// The text after the first tick: from the second character on, four blanks, then the
// first character. Characters are whole UTF-8 sequences.
std::string marqueeFirstStep(const std::string& text);
// The text rotated left by one character.
std::string rotateLeftOneCharacter(const std::string& text);

// Starts scrolling label 1..12 whose full text is `text`.
void startMarquee(LabelMarquee& marquee, int label, const std::string& text);
// One timer tick over the twelve captions; true when a caption changed.
bool LabelRun(LabelMarquee& marquee, std::span<std::string> captions);
// Stops scrolling and gives the label its full text back.
void stopMarquee(LabelMarquee& marquee, std::span<std::string> captions);

}  // namespace mousecfg

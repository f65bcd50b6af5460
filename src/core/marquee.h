#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/animation.h"
#include "core/error.h"
#include "core/lamp_colour.h"

namespace glyphgrid {

enum class MarqueeDirection { Left, Right, Up, Down };

inline constexpr int MaxMarqueeGap = 8;
inline constexpr int MaxMarqueeStep = 8;
// The glyph's top row sits this far below the window's top row: 0 leaves the bottom row dark,
// 1 the top row.
inline constexpr int MaxMarqueeRowOffset = 1;

struct MarqueeOptions {
  int gap = 1;  // dark columns (rows, scrolling up or down) between letters, 0 to MaxMarqueeGap
  bool fixed = false;  // every glyph centred in MaxGlyphWidth columns
  int step = 1;        // columns or rows a frame, 1 to MaxMarqueeStep
  MarqueeDirection direction = MarqueeDirection::Left;
  int row_offset = 0;  // 0 to MaxMarqueeRowOffset; left and right only
  LampColour colour = LampRed;
  int delay = StartDefaultDelay;
};

struct MarqueeResult {
  std::vector<Frame> frames;
  // Each character the font lacks, once, in the order they first appear: "U+2603", or "byte 0xFF"
  // for a byte that is not well-formed UTF-8. Each is shown as the box.
  std::vector<std::string> missing;
};

// UTF-8 text scrolled through the window. Left: the letters stand side by side on one strip that
// enters from the right edge. Up: they stand one above the other, centred across, and enter from
// the bottom edge. Right and down play those frames backwards. The first and last frames are dark.
// An error when the text is empty, an option is out of range, or the frames would be more than
// MaxFrames.
std::variant<MarqueeResult, Error> Marquee(std::string_view text, const MarqueeOptions& options);

}  // namespace glyphgrid

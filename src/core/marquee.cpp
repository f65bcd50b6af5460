#include "core/marquee.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>

#include "core/bitmap_font.h"
#include "core/lamp_matrix.h"

namespace glyphgrid {

namespace {

// A character of the text, or the byte that does not begin well-formed UTF-8.
struct Decoded {
  char32_t code;
  bool valid;
  std::size_t length;
};

Decoded DecodeOne(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    return {lead, true, 1};
  }
  const std::size_t length = lead >= 0xC2 && lead < 0xE0   ? 2
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4
                                                           : 0;
  if (length == 0 || text.size() < length) {
    return {lead, false, 1};
  }
  char32_t code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) {
      return {lead, false, 1};
    }
    code = (code << 6) | (byte(i) & 0x3F);
  }
  const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return {lead, false, 1};
  }
  return {code, true, length};
}

std::string MissingName(const Decoded& decoded) {
  char name[32];
  std::snprintf(name, sizeof name, decoded.valid ? "U+%04X" : "byte 0x%02X",
                static_cast<unsigned>(decoded.code));
  return name;
}

Error OutOfRange(const char* what, int least, int most) {
  return {Error::Kind::BadInput, std::string(what) + " must be from " + std::to_string(least) +
                                     " to " + std::to_string(most)};
}

bool Horizontal(MarqueeDirection direction) {
  return direction == MarqueeDirection::Left || direction == MarqueeDirection::Right;
}

// The glyphs laid along the direction of travel: one mask a line (a column when the text moves
// left or right, a row when it moves up or down), bit i lighting the i-th lamp across the window
// (from the top, or from the left).
std::vector<std::uint8_t> Strip(const std::vector<const Glyph*>& glyphs,
                                const MarqueeOptions& options) {
  std::vector<std::uint8_t> lines;
  const bool horizontal = Horizontal(options.direction);
  for (std::size_t index = 0; index < glyphs.size(); ++index) {
    const Glyph& glyph = *glyphs[index];
    if (index > 0) {
      lines.insert(lines.end(), static_cast<std::size_t>(options.gap), 0);
    }
    const int width = options.fixed ? MaxGlyphWidth : glyph.width;
    const int indent = (width - glyph.width) / 2;
    if (horizontal) {
      for (int column = 0; column < width; ++column) {
        std::uint8_t line = 0;
        for (int row = 0; row < GlyphHeight; ++row) {
          const int glyph_column = column - indent;
          if (glyph_column >= 0 && glyph_column < glyph.width && glyph.Lit(row, glyph_column)) {
            line |= static_cast<std::uint8_t>(1 << (row + options.row_offset));
          }
        }
        lines.push_back(line);
      }
    } else {
      const int across = (LampsPerRow - width) / 2 + indent;
      for (int row = 0; row < GlyphHeight; ++row) {
        std::uint8_t line = 0;
        for (int column = 0; column < glyph.width; ++column) {
          if (glyph.Lit(row, column)) {
            line |= static_cast<std::uint8_t>(1 << (across + column));
          }
        }
        lines.push_back(line);
      }
    }
  }
  return lines;
}

}  // namespace

std::variant<MarqueeResult, Error> Marquee(std::string_view text, const MarqueeOptions& options) {
  if (text.empty()) {
    return Error{Error::Kind::BadInput, "the text is empty"};
  }
  if (options.gap < 0 || options.gap > MaxMarqueeGap) {
    return OutOfRange("the gap", 0, MaxMarqueeGap);
  }
  if (options.step < 1 || options.step > MaxMarqueeStep) {
    return OutOfRange("the step", 1, MaxMarqueeStep);
  }
  if (options.row_offset < 0 || options.row_offset > MaxMarqueeRowOffset) {
    return OutOfRange("the row offset", 0, MaxMarqueeRowOffset);
  }
  if (!IsDelay(options.delay)) {
    return OutOfRange("the delay", MinDelay, MaxDelay);
  }
  MarqueeResult result;
  std::vector<const Glyph*> glyphs;
  std::set<std::string> reported;
  while (!text.empty()) {
    const Decoded decoded = DecodeOne(text);
    text.remove_prefix(decoded.length);
    const Glyph* glyph = decoded.valid ? GlyphFor(decoded.code) : nullptr;
    if (glyph == nullptr) {
      glyph = &BoxGlyph();
      std::string missing = MissingName(decoded);
      if (reported.insert(missing).second) {
        result.missing.push_back(std::move(missing));
      }
    }
    glyphs.push_back(glyph);
  }
  const std::vector<std::uint8_t> strip = Strip(glyphs, options);
  // The window starts just before the strip and stops once it has passed the strip's end, so the
  // first and the last frames are dark.
  const long long travel = static_cast<long long>(strip.size()) + LampsPerRow;
  const long long frame_count = (travel + options.step - 1) / options.step + 1;
  if (frame_count > MaxFrames) {
    return Error{Error::Kind::BadInput, "the text makes " + std::to_string(frame_count) +
                                            " frames, more than the limit of " +
                                            std::to_string(MaxFrames)};
  }
  const bool horizontal = Horizontal(options.direction);
  result.frames.reserve(static_cast<std::size_t>(frame_count));
  for (long long frame = 0; frame < frame_count; ++frame) {
    LampMatrix lamps;
    for (int line = 0; line < LampsPerRow; ++line) {
      const long long at = frame * options.step + line - LampsPerRow;
      if (at < 0 || at >= static_cast<long long>(strip.size())) {
        continue;
      }
      for (int across = 0; across < LampsPerRow; ++across) {
        if ((strip[static_cast<std::size_t>(at)] >> across) & 1) {
          // Rows count from the bottom and columns from the right.
          lamps.SetColour(horizontal
                              ? LampIndexOf(LampsPerRow - 1 - across, LampsPerRow - 1 - line)
                              : LampIndexOf(LampsPerRow - 1 - line, LampsPerRow - 1 - across),
                          options.colour);
        }
      }
    }
    result.frames.emplace_back(lamps, options.delay);
  }
  if (options.direction == MarqueeDirection::Right || options.direction == MarqueeDirection::Down) {
    std::reverse(result.frames.begin(), result.frames.end());
  }
  return result;
}

}  // namespace glyphgrid

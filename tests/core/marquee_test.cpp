#include <gtest/gtest.h>

#include <algorithm>

#include "core/bitmap_font.h"
#include "core/grid_text.h"
#include "core/marquee.h"

namespace glyphgrid {
namespace {

const std::string Dark(8, '.');

// The expected grids: the glyphs drawn as lines of 8 characters (a column top first when moving
// left, a row when moving up), a window slid over them k * step lines on, starting before the
// strip and stopping at the first window past its end; right and down play it backwards.
// `drawn` names the glyphs, '\1' for the box.
std::vector<std::string> Slid(std::string_view drawn, const MarqueeOptions& options) {
  const bool up =
      options.direction == MarqueeDirection::Up || options.direction == MarqueeDirection::Down;
  std::vector<std::string> lines(8, Dark);
  for (std::size_t index = 0; index < drawn.size(); ++index) {
    const Glyph* glyph = GlyphFor(static_cast<unsigned char>(drawn[index]));
    glyph = glyph != nullptr ? glyph : &BoxGlyph();
    lines.insert(lines.end(), index > 0 ? options.gap : 0, Dark);
    const int width = options.fixed ? 5 : glyph->width;
    const int indent = (width - glyph->width) / 2 + (up ? (8 - width) / 2 : 0);
    for (int along = 0; along < (up ? 7 : width); ++along) {
      std::string line = Dark;
      for (int across = 0; across < (up ? glyph->width : 7); ++across) {
        const int column = up ? across : along - indent;
        if (column >= 0 && column < glyph->width && glyph->Lit(up ? along : across, column)) {
          line[up ? across + indent : across] = 'R';
        }
      }
      lines.push_back(line);
    }
  }
  const std::size_t end = lines.size();
  lines.insert(lines.end(), 16, Dark);
  std::vector<std::string> grids;
  for (std::size_t at = 0; grids.empty() || at - options.step < end; at += options.step) {
    std::string grid;
    for (int row = 0; row < 8; ++row) {
      for (int column = 0; column < 8; ++column) {
        grid += up ? lines[at + row][column] : lines[at + column][row];
      }
      grid += '\n';
    }
    grids.push_back(grid);
  }
  if (options.direction == MarqueeDirection::Right || options.direction == MarqueeDirection::Down) {
    std::ranges::reverse(grids);
  }
  return grids;
}

TEST(BitmapFontTest, EveryGlyphFitsAndDiffersFromTheBox) {
  for (char32_t code = 0; code < 0x300; ++code) {
    const bool letter = code >= 0xC0 && code <= 0xFF && code != 0xD7 && code != 0xF7;
    const Glyph* glyph = GlyphFor(code);
    ASSERT_EQ(glyph != nullptr, (code >= 0x20 && code < 0x7F) || letter) << int(code);
    if (glyph != nullptr) {
      EXPECT_TRUE(glyph->width >= 1 && glyph->width <= MaxGlyphWidth) << int(code);
      EXPECT_TRUE(
          std::ranges::all_of(glyph->rows, [&](int row) { return row >> glyph->width == 0; }));
      EXPECT_NE(*glyph, BoxGlyph()) << int(code);
    }
  }
  EXPECT_LT(GlyphFor('i')->width, GlyphFor('W')->width);
}

TEST(MarqueeTest, FramesAreAWindowSlidOverTheStrip) {
  using enum MarqueeDirection;
  const std::tuple<std::string, MarqueeOptions, std::string, std::vector<std::string>> cases[] = {
      {"Hi!", {}, "Hi!", {}},
      {"Hi!", {.gap = 0, .step = 3}, "Hi!", {}},
      {"Hi!", {.gap = 3, .fixed = true, .step = 8}, "Hi!", {}},
      {"Hi!", {.direction = Right}, "Hi!", {}},
      {"Hi!", {.gap = 2, .direction = Up}, "Hi!", {}},
      {"Hi!", {.fixed = true, .step = 2, .direction = Down}, "Hi!", {}},
      {"a\u2603\xff\u2603\ud7ff"
       "b",
       {},
       "a\1\1\1\1b",
       {"U+2603", "byte 0xFF", "U+D7FF"}},
      {"a\xed\xa0\x80"
       "b",
       {},
       "a\1\1\1b",
       {"byte 0xED", "byte 0xA0", "byte 0x80"}},
  };
  for (const auto& [text, options, drawn, missing] : cases) {
    const std::vector<std::string> expected = Slid(drawn, options);
    const MarqueeResult result = std::get<MarqueeResult>(Marquee(text, options));
    std::vector<std::string> grids;
    for (const Frame& frame : result.frames) {
      grids.push_back(GridText(frame.Lamps()));
    }
    EXPECT_EQ(grids, expected) << text;
    EXPECT_EQ(result.missing, missing) << text;
    EXPECT_TRUE(expected.front() == GridText({}) && expected.back() == GridText({}));
    EXPECT_TRUE(expected[1] != GridText({}) && expected[expected.size() - 2] != GridText({}));
  }
}

TEST(MarqueeTest, ColourDelayAndRowOffset) {
  const MarqueeResult result = std::get<MarqueeResult>(
      Marquee("|", {.step = 8, .row_offset = 1, .colour = LampOrange, .delay = 40}));
  ASSERT_EQ(result.frames.size(), 3u);
  EXPECT_EQ(GridText(result.frames[1].Lamps()),
            "........\nO.......\nO.......\nO.......\nO.......\nO.......\nO.......\nO.......\n");
  EXPECT_TRUE(std::ranges::all_of(result.frames, [](const Frame& f) { return f.Delay() == 40; }));
}

TEST(MarqueeTest, RefusesWhatItCannotMake) {
  const std::tuple<std::string, MarqueeOptions, std::string> failures[] = {
      {"", {}, "the text is empty"},
      {"a", {.gap = 9}, "the gap must be from 0 to 8"},
      {"a", {.step = 0}, "the step"},
      {"a", {.row_offset = 2}, "the row offset"},
      {"a", {.delay = 0}, "the delay"},
      {std::string(2000, 'W'), {}, "the text makes 12008 frames, more than the limit of 10000"}};
  for (const auto& [text, options, message] : failures) {
    EXPECT_TRUE(std::get<Error>(Marquee(text, options)).message.starts_with(message)) << message;
  }
}

}  // namespace
}  // namespace glyphgrid

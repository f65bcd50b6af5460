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
// strip and stopping at the first window past its end.
std::vector<std::string> Slid(const std::vector<const Glyph*>& glyphs, int gap, int step,
                              bool fixed, bool up) {
  std::vector<std::string> lines(8, Dark);
  for (const Glyph* glyph : glyphs) {
    if (glyph != glyphs[0]) {
      lines.insert(lines.end(), gap, Dark);
    }
    const int width = fixed ? 5 : glyph->width;
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
  for (std::size_t at = 0;; at += step) {
    std::string grid;
    for (int row = 0; row < 8; ++row) {
      for (int column = 0; column < 8; ++column) {
        grid += up ? lines[at + row][column] : lines[at + column][row];
      }
      grid += '\n';
    }
    grids.push_back(grid);
    if (at >= end) {
      return grids;
    }
  }
}

std::vector<std::string> Grids(const MarqueeResult& result) {
  std::vector<std::string> grids;
  for (const Frame& frame : result.frames) {
    grids.push_back(GridText(frame.Lamps()));
  }
  return grids;
}

TEST(BitmapFontTest, EveryGlyphFitsAndDiffersFromTheBox) {
  int drawn = 0;
  for (char32_t code = 0; code < 0x300; ++code) {
    const bool letter = code >= 0xC0 && code <= 0xFF && code != 0xD7 && code != 0xF7;
    const Glyph* glyph = GlyphFor(code);
    ASSERT_EQ(glyph != nullptr, (code >= 0x20 && code < 0x7F) || letter) << int(code);
    if (glyph != nullptr) {
      ++drawn;
      EXPECT_TRUE(glyph->width >= 1 && glyph->width <= MaxGlyphWidth) << int(code);
      EXPECT_TRUE(
          std::ranges::all_of(glyph->rows, [&](int row) { return row >> glyph->width == 0; }));
      EXPECT_NE(*glyph, BoxGlyph()) << int(code);
    }
  }
  EXPECT_EQ(drawn, 95 + 62);
  EXPECT_LT(GlyphFor('i')->width, GlyphFor('W')->width);
}

TEST(MarqueeTest, FramesAreAWindowSlidOverTheStrip) {
  const std::vector<const Glyph*> hi = {GlyphFor('H'), GlyphFor('i'), GlyphFor('!')};
  const std::vector<const Glyph*> boxed = {GlyphFor('a'), &BoxGlyph(), &BoxGlyph(), &BoxGlyph(),
                                           GlyphFor('b')};
  const struct {
    std::string text;
    MarqueeOptions options;
    std::vector<const Glyph*> glyphs;
    std::vector<std::string> missing;
  } cases[] = {
      {"Hi!", {}, hi, {}},
      {"Hi!", {.gap = 0, .step = 3}, hi, {}},
      {"Hi!", {.gap = 3, .fixed = true, .step = 8}, hi, {}},
      {"Hi!", {.direction = MarqueeDirection::Right}, hi, {}},
      {"Hi!", {.gap = 2, .direction = MarqueeDirection::Up}, hi, {}},
      {"Hi!", {.fixed = true, .step = 2, .direction = MarqueeDirection::Down}, hi, {}},
      {"a\xe2\x98\x83\xff\xe2\x98\x83\xed\x9f\xbf"
       "b",
       {},
       {GlyphFor('a'), &BoxGlyph(), &BoxGlyph(), &BoxGlyph(), &BoxGlyph(), GlyphFor('b')},
       {"U+2603", "byte 0xFF", "U+D7FF"}},
      {"a\xed\xa0\x80"
       "b",
       {},
       boxed,
       {"byte 0xED", "byte 0xA0", "byte 0x80"}},
  };
  for (const auto& [text, options, glyphs, missing] : cases) {
    const bool backwards =
        options.direction == MarqueeDirection::Right || options.direction == MarqueeDirection::Down;
    std::vector<std::string> expected = Slid(
        glyphs, options.gap, options.step, options.fixed,
        options.direction == MarqueeDirection::Up || options.direction == MarqueeDirection::Down);
    if (backwards) {
      std::ranges::reverse(expected);
    }
    const MarqueeResult result = std::get<MarqueeResult>(Marquee(text, options));
    EXPECT_EQ(Grids(result), expected) << text;
    EXPECT_EQ(result.missing, missing) << text;
    EXPECT_EQ(expected.front(), GridText({}));
    EXPECT_EQ(expected.back(), GridText({}));
    EXPECT_NE(expected[1], GridText({}));
    EXPECT_NE(expected[expected.size() - 2], GridText({}));
  }
}

TEST(MarqueeTest, ColourDelayAndRowOffset) {
  const MarqueeResult result = std::get<MarqueeResult>(
      Marquee("|", {.step = 8, .row_offset = 1, .colour = LampOrange, .delay = 40}));
  ASSERT_EQ(result.frames.size(), 3u);
  std::string bar = Dark + "\n";
  for (int row = 1; row < 8; ++row) {
    bar += "O.......\n";
  }
  EXPECT_EQ(GridText(result.frames[1].Lamps()), bar);
  EXPECT_TRUE(std::ranges::all_of(result.frames, [](const Frame& f) { return f.Delay() == 40; }));
}

TEST(MarqueeTest, RefusesWhatItCannotMake) {
  const std::pair<std::string, MarqueeOptions> failures[] = {{"", {}},
                                                             {"a", {.gap = 9}},
                                                             {"a", {.step = 0}},
                                                             {"a", {.row_offset = 2}},
                                                             {"a", {.delay = 0}},
                                                             {std::string(2000, 'W'), {}}};
  for (const auto& [text, options] : failures) {
    EXPECT_TRUE(std::holds_alternative<Error>(Marquee(text, options))) << text.size();
  }
  EXPECT_EQ(std::get<Error>(Marquee(std::string(2000, 'W'), {})).message,
            "the text makes 12008 frames, more than the limit of 10000");
}

}  // namespace
}  // namespace glyphgrid

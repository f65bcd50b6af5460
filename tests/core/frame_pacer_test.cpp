#include "core/frame_pacer.h"

#include <gtest/gtest.h>

namespace glyphgrid {
namespace {

FramePacer::Bytes B(std::string_view text) {
  return FramePacer::Bytes(text.begin(), text.end());
}

// Events as text: "+A" offers message "A", "<..." receives bytes, "w2" says 2 bytes were written.
// What the pacer writes, one message each, is joined by spaces.
struct Script {
  FramePacer::Pacing pacing;
  std::vector<std::string> events;
  std::string written;
  int refusals;
};

TEST(FramePacerTest, OneFrameInFlightAndTheLatestWins) {
  using enum FramePacer::Pacing;
  const std::string hundred(100, 'x');
  const Script scripts[] = {
      {ByAnswer, {"+A", "+B", "+C", "<GLYPHGRID 1 8x8 red\n", "<\x06", "<\x06"}, "H C", 0},
      {ByAnswer,
       {"<\x06zz\nnoise GLYPHGRID 1 8x8 red\n", "+A", "+B", "<x\a", "+C", "<\x15"},
       "H A C",
       1},
      {ByAnswer, {"+A", "<" + hundred + "GLYPHGRID 1 8x8 red\n"}, "H A", 0},
      {ByAnswer, {"+A", "<GLYPHGRID 1 8x8\n", "<GLYPHGRID 1 8x8 red"}, "H", 0},
      {ByAnswer,
       {"<GLYPHGRID 1 8x8 red\n", "+A", "<\x06", "+A", "+B", "<\x15\x06", "+C"},
       "H A B C",
       1},
      {ByWrite, {"+AAA", "+B", "<\x06", "w2", "+C", "w1", "+C", "w1", "+D"}, "AAA C D", 0},
  };
  for (const Script& script : scripts) {
    FramePacer pacer(script.pacing, B("H"));
    std::string written;
    const auto keep = [&written](const FramePacer::Bytes& bytes) {
      if (!bytes.empty()) {
        written += (written.empty() ? "" : " ") + std::string(bytes.begin(), bytes.end());
      }
    };
    keep(pacer.Start());
    for (const std::string& event : script.events) {
      const std::string rest = event.substr(1);
      if (event[0] == '+') {
        keep(pacer.Offer(B(rest)));
      } else if (event[0] == '<') {
        keep(pacer.Received(B(rest)));
      } else {
        keep(pacer.Written(std::stoul(rest)));
      }
    }
    EXPECT_EQ(written, script.written) << script.events.back();
    EXPECT_EQ(pacer.Refusals(), script.refusals) << script.events.back();
  }
}

TEST(FramePacerTest, ABurstWhileAFrameIsInFlightSendsOnlyItsLastPattern) {
  FramePacer pacer(FramePacer::Pacing::ByWrite, {});
  EXPECT_EQ(pacer.Offer({0}), FramePacer::Bytes{0});
  for (int i = 1; i <= 1000; ++i) {
    EXPECT_TRUE(pacer.Offer({static_cast<std::uint8_t>(i % 256), 1}).empty());
  }
  EXPECT_EQ(pacer.Written(1), (FramePacer::Bytes{1000 % 256, 1}));
  EXPECT_TRUE(pacer.Written(2).empty());
  EXPECT_FALSE(pacer.Waiting());
}

TEST(FramePacerTest, BoardLines) {
  const std::pair<std::string_view, std::optional<BoardInfo>> lines[] = {
      {"GLYPHGRID 1 8x8 red,green\r", BoardInfo{1, 8, 8, "red,green"}},
      {"GLYPHGRID 2 16x8 red", BoardInfo{2, 16, 8, "red"}},
      {"GLYPHGRID 1 8x8 ", std::nullopt},
      {"GLYPHGRID 1 0x8 red", std::nullopt},
      {"GLYPHGRID 1 8x8 red green", std::nullopt},
      {"GLYPHGRID 99999999999 8x8 red", std::nullopt},
      {"glyphgrid 1 8x8 red", std::nullopt},
  };
  for (const auto& [line, board] : lines) {
    EXPECT_EQ(ParseBoardLine(line), board) << line;
  }
}

}  // namespace
}  // namespace glyphgrid

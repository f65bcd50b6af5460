#include "core/board_protocol.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/animation_export.h"
#include "core/board_answer_reader.h"
#include "core/glyphgrid_protocol.h"
#include "core/message_decoder.h"
#include "core/uno_r4_live.h"
#include "support/patterns.h"
#include "support/profile_samples.h"

namespace glyphgrid {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = ReceivedMessage::Kind;

// The three words of the uno-r4 export, read back from its text: an oracle apart from the encoder.
TEST(BoardProtocolTest, UnoR4LiveBytesAreTheExportedWordsLeastSignificantByteFirst) {
  std::mt19937 random(19);
  for (int round = 0; round < 200; ++round) {
    WiringProfile profile = Preset("uno-r4");
    profile.offset = static_cast<int>(random() % (MaxOffset + 1));
    const LampMatrix lamps = RandomPattern(random, 4);
    unsigned words[3];
    const std::string text = ExportText(lamps, profile);
    ASSERT_EQ(std::sscanf(text.c_str() + text.find("{0x"), "{0x%x, 0x%x, 0x%x", &words[0],
                          &words[1], &words[2]),
              3);
    Bytes expected;
    for (const unsigned word : words) {
      for (int shift = 0; shift < 32; shift += 8) {
        expected.push_back(static_cast<std::uint8_t>(word >> shift));
      }
    }
    EXPECT_EQ(FrameBytes(BoardProtocol::UnoR4Live, lamps, profile), expected) << text;
    const UnoR4LiveFrame frame = EncodeUnoR4LiveFrame(lamps, profile.offset);
    EXPECT_EQ(ExportText(DecodeUnoR4LiveFrame(frame, profile.offset), profile), text);
  }
}

TEST(BoardProtocolTest, GlyphgridMessagesCarryTheProfilesUnitsWithoutTheZeroUnit) {
  const std::tuple<Bytes, Bytes> cases[] = {
      {HelloMessage(), {0xA5, 0x00, 0xFF}},
      {FrameMessage(FromGrid(Sample), Preset("c-rows")),
       {0xA5, 8, 0x80, 0x00, 0x20, 0x00, 0x00, 0x00, 0x01, 0x80, 0xD6}},
      {FrameMessage(FromGrid(Sample), Preset("basic")),
       {0xA5, 8, 0x81, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x40, 0x32}},
      {FrameBytes(BoardProtocol::Glyphgrid, FromGrid(Sample), Preset("ht16k33")),
       {0xA5, 16, 0x00, 0x01, 0x02, 0x00, 0x04, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x80, 0x81, 0x01, 0xE2}},
  };
  for (const auto& [message, expected] : cases) {
    EXPECT_EQ(message, expected);
  }
}

std::vector<ReceivedMessage> Decoded(const Bytes& bytes) {
  MessageDecoder decoder;
  std::vector<ReceivedMessage> messages;
  for (const std::uint8_t byte : bytes) {
    if (std::optional<ReceivedMessage> message = decoder.Feed(byte)) {
      messages.push_back(*message);
    }
  }
  return messages;
}

TEST(BoardProtocolTest, BoardDecoderFindsMessagesAfterGarbage) {
  const Bytes one{0xA5, 1, 0x42, 0xBC};
  const std::tuple<Bytes, std::vector<ReceivedMessage>> cases[] = {
      {{0x00, 'x', 0x06, 0xA5, 1, 0x42, 0xBC}, {{Kind::Frame, {0x42}}}},
      {{0xA5, 1, 0x42, 0xBD, 0xA5, 1, 0x42, 0xBC},
       {{Kind::BadCheck, {0x42}}, {Kind::Frame, {0x42}}}},
      {{0xA5, 33, 0xA5, 0x00, 0xFF}, {{Kind::Hello, {}}}},
      {{0xA5, 0xFF, 1, 0x42, 0xBC, 0xA5, 0, 0xFF}, {{Kind::Hello, {}}}},
      {{'G', 0xA5, 0x00, 0xFF, 'a', 0x15}, {{Kind::Hello, {}}}},
      {{0xA5, 0x00, 0xFE}, {{Kind::BadCheck, {}}}},
  };
  for (const auto& [bytes, expected] : cases) {
    EXPECT_EQ(Decoded(bytes), expected);
  }
  Bytes longest = Message(Bytes(MaxPayload, 0xA5));
  EXPECT_EQ(Decoded(longest), (std::vector<ReceivedMessage>{{Kind::Frame, Bytes(32, 0xA5)}}));
}

Bytes Text(std::string_view text) {
  return {text.begin(), text.end()};
}

TEST(BoardProtocolTest, HostReaderPicksTheAnswerOutOfWhatTheBoardSends) {
  using A = BoardAnswer::Kind;
  const BoardHello red{1, 8, 8, {"red"}};
  const BoardHello two{1, 8, 8, {"red", "green"}};
  const std::string long_garbage(200, 'z');
  const std::tuple<bool, std::vector<Bytes>, std::optional<BoardAnswer>> cases[] = {
      {true, {Text("GLYPH"), Text("GRID 1 8x"), Text("8 red\n")}, BoardAnswer{A::Hello, red, {}}},
      {true,
       {Text("boot\n\x06\x15xxGLYPHGRID 1 8x8 red,green\r\n")},
       BoardAnswer{A::Hello, two, {}}},
      {true, {Text(long_garbage + "GLYPHGRID 1 8x8 red\n")}, BoardAnswer{A::Hello, red, {}}},
      {true, {Text("GLYPHGRID 1 8x8 red" + long_garbage + "\n")}, std::nullopt},
      {true, {Text("GLYPHGRID 1 8x8\n")}, BoardAnswer{A::BadHello, {}, "GLYPHGRID 1 8x8"}},
      {true, {Text("GLYPHGRID 1 8x8 red")}, std::nullopt},
      {false, {Text("GLYPHGRID 1 8x8 red\n"), {0xA5, Nak, Ack}}, BoardAnswer{A::Nak, {}, {}}},
      {false, {Text("\x01"), {Ack}}, BoardAnswer{A::Ack, {}, {}}},
  };
  for (const auto& [hello, chunks, expected] : cases) {
    BoardAnswerReader reader;
    hello ? reader.ExpectHello() : reader.ExpectFrameAnswer();
    std::optional<BoardAnswer> answer;
    for (const Bytes& chunk : chunks) {
      answer = answer ? answer : reader.Feed(chunk);
    }
    EXPECT_EQ(answer, expected);
  }
}

TEST(BoardProtocolTest, HelloLineRoundTripsAndMismatchesAreNamed) {
  const BoardHello two{1, 8, 8, {"red", "green"}};
  EXPECT_EQ(ParseHelloLine(HelloLine(two).substr(0, HelloLine(two).size() - 1)), two);
  const std::tuple<BoardHello, std::string, std::optional<std::string>> cases[] = {
      {two, "ht16k33", std::nullopt},
      {{1, 8, 8, {"red"}},
       "ht16k33",
       "shows 8x8 red: it takes 1 colour plane, the wiring "
       "profile writes 2 (planes interleaved)"},
      {{2, 8, 8, {"red"}}, "c-rows", "speaks glyphgrid protocol version 2, not 1"},
      {{1, 12, 8, {"red"}}, "c-rows", "shows 12x8 red, not an 8x8 pattern"},
  };
  for (const auto& [hello, preset, expected] : cases) {
    EXPECT_EQ(HelloMismatch(hello, Preset(preset)), expected);
  }
}

}  // namespace
}  // namespace glyphgrid

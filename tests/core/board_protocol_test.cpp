#include "core/board_protocol.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/board_answer_reader.h"
#include "core/glyphgrid_protocol.h"
#include "core/message_decoder.h"
#include "core/profile_export.h"
#include "support/patterns.h"
#include "support/profile_samples.h"

namespace glyphgrid {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = ReceivedMessage::Kind;
const BoardHello Red{1, 8, 8, {"red"}}, Two{1, 8, 8, {"red", "green"}};

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
    for (int byte = 0; byte < 12; ++byte) {
      expected.push_back(static_cast<std::uint8_t>(words[byte / 4] >> 8 * (byte % 4)));
    }
    EXPECT_EQ(FrameBytes(BoardProtocol::UnoR4Live, lamps, profile), expected) << text;
  }
}

TEST(BoardProtocolTest, GlyphgridMessagesCarryTheProfilesUnitsWithoutTheZeroUnit) {
  const std::tuple<Bytes, Bytes> cases[] = {
      {HelloMessage(), {0xA5, 0x00, 0xFF}},
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

TEST(BoardProtocolTest, BoardDecoderFindsMessagesAfterGarbage) {
  const std::tuple<Bytes, std::vector<ReceivedMessage>> cases[] = {
      {{0x00, 'x', 0x06, 0xA5, 1, 0x42, 0xBC}, {{Kind::Frame, {0x42}}}},
      {{0xA5, 1, 0x42, 0xBD, 0xA5, 1, 0x42, 0xBC},
       {{Kind::BadCheck, {0x42}}, {Kind::Frame, {0x42}}}},
      {{0xA5, 33, 0xA5, 0x00, 0xFF}, {{Kind::Hello, {}}}},
      {{0xA5, 0x00, 0xFE}, {{Kind::BadCheck, {}}}},
      {Message(Bytes(MaxPayload, 0xA5)), {{Kind::Frame, Bytes(MaxPayload, 0xA5)}}},
  };
  for (const auto& [bytes, expected] : cases) {
    MessageDecoder decoder;
    std::vector<ReceivedMessage> messages;
    for (const std::uint8_t byte : bytes) {
      if (std::optional<ReceivedMessage> message = decoder.Feed(byte)) {
        messages.push_back(*message);
      }
    }
    EXPECT_EQ(messages, expected);
  }
}

Bytes Text(std::string_view text) {
  return {text.begin(), text.end()};
}

// Answers to frames, ACK or NAK among garbage, are read in FramePacerTest.
TEST(BoardProtocolTest, HostReaderPicksTheHelloOutOfWhatTheBoardSends) {
  using A = BoardAnswer::Kind;
  // The longest line: 63 bytes and its LF.
  const BoardHello longest{1, 8, 8, {std::string(47, 'r')}};
  const std::tuple<std::vector<Bytes>, std::optional<BoardAnswer>> cases[] = {
      {{Text("GLYPH"), Text("GRID 1 8x"), Text("8 red\n")}, BoardAnswer{A::Hello, Red, {}}},
      {{Text("boot\n\x06\x15xxGLYPHGRID 1 8x8 red,green\r\n")}, BoardAnswer{A::Hello, Two, {}}},
      {{Text(std::string(200, 'z') + HelloLine(longest))}, BoardAnswer{A::Hello, longest, {}}},
      {{Text("GLYPHGRID 1 8x8 r" + std::string(47, 'r') + "\n")}, std::nullopt},
      {{Text("GLYPHGRID 1 8x8\n")}, BoardAnswer{A::BadHello, {}, "GLYPHGRID 1 8x8"}},
  };
  for (const auto& [chunks, expected] : cases) {
    BoardAnswerReader reader;
    reader.ExpectHello();
    std::optional<BoardAnswer> answer;
    for (const Bytes& chunk : chunks) {
      const std::optional<BoardAnswer> got = reader.Feed(chunk);
      answer = got ? got : answer;
    }
    EXPECT_EQ(answer, expected);
  }
}

// The hello line itself is read back in HostReaderPicksTheHelloOutOfWhatTheBoardSends.
TEST(BoardProtocolTest, HelloMismatchesAreNamed) {
  const std::tuple<BoardHello, std::string, std::optional<std::string>> cases[] = {
      {Two, "ht16k33", std::nullopt},
      {{2, 8, 8, {"red"}}, "c-rows", "speaks glyphgrid protocol version 2, not 1"},
      {{1, 8, 12, {"red"}}, "c-rows", "shows 8x12 red, not an 8x8 pattern"},
  };
  for (const auto& [hello, preset, expected] : cases) {
    EXPECT_EQ(HelloMismatch(hello, Preset(preset)), expected);
  }
}

}  // namespace
}  // namespace glyphgrid

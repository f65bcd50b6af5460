#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "glyphgrid_link.h"

namespace glyphgrid {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Message(const Bytes& payload) {
  Bytes bytes{LinkStart, static_cast<std::uint8_t>(payload.size())};
  std::uint8_t sum = bytes[1];
  for (std::uint8_t byte : payload) {
    bytes.push_back(byte);
    sum = static_cast<std::uint8_t>(sum + byte);
  }
  bytes.push_back(static_cast<std::uint8_t>(~sum));
  return bytes;
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// What a board taking `frame_length` bytes answers ("H" hello, "A" ACK, "N" NAK) and shows.
struct Answered {
  std::string answers;
  Bytes shown;
};
Answered Board(std::uint8_t frame_length, const Bytes& input) {
  LinkDecoder decoder(frame_length);
  Answered answered;
  for (std::uint8_t byte : input) {
    switch (decoder.Feed(byte)) {
      case LinkEvent::Hello:
        answered.answers += "H";
        break;
      case LinkEvent::Frame:
        answered.shown.assign(decoder.Payload(), decoder.Payload() + decoder.Length());
        answered.answers += "A";
        break;
      case LinkEvent::Refused:
        answered.answers += "N";
        break;
      case LinkEvent::None:
        break;
    }
  }
  return answered;
}

TEST(LinkDecoder, AnswersAsTheBoard) {
  const Bytes frame{0xA5, 0x06, 0x15, 0, 0xFF, 0x21, 0x80, 0x01};
  const Bytes sixteen = frame + frame;
  Bytes bad_check = Message(frame);
  bad_check.back() ^= 0x40;
  const struct {
    const char* name;
    std::uint8_t frame_length;
    Bytes input;
    std::string answers;
    Bytes shown;
  } rows[] = {
      {"hello", 8, Message({}), "H", {}},
      {"frame", 8, Message(frame), "A", frame},
      {"two planes", 16, Message(sixteen), "A", sixteen},
      {"bad check", 8, bad_check, "N", {}},
      {"length the board does not take", 16, Message(frame), "N", {}},
      {"garbage first", 8, Bytes{0x00, 0x06, 0xFF, 0x13} + Message(frame), "A", frame},
      {"LEN over 32 resyncs", 8, Bytes{LinkStart, 33, 0x01, 0x08} + Message(frame), "A", frame},
      {"refused frame keeps the last", 8, Message(frame) + bad_check, "AN", frame},
      {"hello, frame, hello", 8, Message({}) + Message(frame) + Message({}), "HAH", frame},
  };
  for (const auto& row : rows) {
    const Answered answered = Board(row.frame_length, row.input);
    EXPECT_EQ(answered.answers, row.answers) << row.name;
    EXPECT_EQ(answered.shown, row.shown) << row.name;
  }
}

}  // namespace
}  // namespace glyphgrid

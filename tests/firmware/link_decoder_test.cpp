#include <gtest/gtest.h>

#include <random>

#include "core/glyphgrid_protocol.h"
#include "core/profile_presets.h"
#include "glyphgrid_link.h"
#include "support/patterns.h"

namespace glyphgrid {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// What a board taking `frame_length` bytes answers ("H" hello, "A" ACK, "N" NAK), then what it
// shows, as the sketches' loops do.
std::pair<std::string, Bytes> Board(std::uint8_t frame_length, const Bytes& input) {
  LinkDecoder decoder(frame_length);
  std::pair<std::string, Bytes> answered;
  for (std::uint8_t byte : input) {
    const LinkEvent event = decoder.Feed(byte);
    if (event == LinkEvent::Frame) {
      answered.second.assign(decoder.Payload(), decoder.Payload() + decoder.Length());
    }
    answered.first += std::string("_HAN").substr(static_cast<std::size_t>(event), 1);
  }
  std::erase(answered.first, '_');
  return answered;
}

TEST(LinkDecoder, AnswersAsTheBoard) {
  const Bytes frame{0xA5, 0x06, 0x15, 0, 0xFF, 0x21, 0x80, 0x01};
  Bytes bad_check = Message(frame);
  bad_check.back() ^= 0x40;
  const struct {
    std::uint8_t frame_length;
    Bytes input;
    std::string answers;
    Bytes shown;
  } rows[] = {
      {8, HelloMessage(), "H", {}},
      {16, Message(frame + frame), "A", frame + frame},
      {8, bad_check, "N", {}},
      {16, Message(frame), "N", {}},  // a length the board does not take
      {8, Bytes{0x00, 0x06, 0xFF, 0x13} + Message(frame), "A", frame},
      {8, Bytes{MessageStart, 33, 0x01, 0x08} + Message(frame), "A", frame},
      {8, Message(frame) + bad_check + HelloMessage(), "ANH", frame},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Board(row.frame_length, row.input), std::pair(row.answers, row.shown));
  }
  std::mt19937 random(7);
  for (const char* preset : {"c-rows", "ht16k33"}) {
    const WiringProfile& profile = FindProfilePreset(preset)->profile;
    for (int i = 0; i < 10; ++i) {
      const LampMatrix lamps = RandomPattern(random, 4);
      const Bytes payload = FramePayload(lamps, profile);
      EXPECT_EQ(Board(static_cast<std::uint8_t>(payload.size()), FrameMessage(lamps, profile)),
                std::pair(std::string("A"), payload));
    }
  }
}

}  // namespace
}  // namespace glyphgrid

#include <gtest/gtest.h>

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

// Each row: the frame length the board takes, what it gets, what it answers ("H" its line, "A" ACK,
// "N" NAK) and then shows, as the sketches do.
TEST(LinkDecoder, AnswersAsTheBoard) {
  const Bytes frame{0xA5, 0x06, 0x15, 0, 0xFF, 0x21, 0x80, 0x01};
  Bytes bad_check = Message(frame);
  bad_check.back() ^= 0x40;
  const Bytes garbage{0x00, 0x06, 0xFF, 0x13, MessageStart, 33, 0x01, 0x08};  // LEN over 32
  std::vector<std::tuple<std::size_t, Bytes, std::string, Bytes>> rows = {
      {8, HelloMessage(), "H", {}},
      {8, bad_check, "N", {}},
      {16, Message(frame), "N", {}},  // a length the board does not take
      {8, garbage + Message(frame) + HelloMessage(), "AH", frame},
  };
  // The editor's own frames, one colour and two.
  std::mt19937 random(7);
  for (int i = 0; i < 20; ++i) {
    const WiringProfile& profile = FindProfilePreset(i % 2 ? "c-rows" : "ht16k33")->profile;
    const LampMatrix lamps = RandomPattern(random, 4);
    const Bytes payload = FramePayload(lamps, profile);
    rows.emplace_back(payload.size(), FrameMessage(lamps, profile), "A", payload);
  }
  for (const auto& [frame_length, input, answers, shown] : rows) {
    LinkDecoder decoder(static_cast<std::uint8_t>(frame_length));
    std::string answered;
    Bytes showing;
    for (const std::uint8_t byte : input) {
      const LinkEvent event = decoder.Feed(byte);
      if (event == LinkEvent::Frame) {
        showing.assign(decoder.Payload(), decoder.Payload() + decoder.Length());
      }
      answered += std::string(" HAN").substr(static_cast<std::size_t>(event), 1);
    }
    std::erase(answered, ' ');
    EXPECT_EQ(std::pair(answered, showing), std::pair(answers, shown));
  }
}

}  // namespace
}  // namespace glyphgrid

#include "core/frame_pacer.h"

#include <gtest/gtest.h>

#include "core/glyphgrid_protocol.h"

namespace glyphgrid {
namespace {

FramePacer::Bytes B(std::string_view text) {
  return FramePacer::Bytes(text.begin(), text.end());
}

// Events as text: "+A" offers message "A", "<..." receives bytes, "w2" says 2 bytes were written.
// The log holds what the pacer writes ("H" for the hello) and the answers it reads, in order.
struct Script {
  BoardProtocol protocol;
  std::vector<std::string> events;
  std::string log;
};

TEST(FramePacerTest, OneFrameInFlightAndTheLatestWins) {
  using enum BoardProtocol;
  const std::string hello = "<GLYPHGRID 1 8x8 red\n";
  const Script scripts[] = {
      {Glyphgrid, {"+A", "+B", "+C", hello, "<\x06", "<\x06"}, "H hello C ack"},
      {Glyphgrid,
       {"<\x06zz\nnoise GLYPHGRID 1 8x8 red\n", "+A", "+B", "<x\a", "+C", "<\x15"},
       "H hello A nak C"},
      {Glyphgrid, {hello, "+A", "<\x06", "+A", "+B", "<\x15\x06", "+C"}, "H hello A ack B nak C"},
      {Glyphgrid, {"+A", "<GLYPHGRID 1 8x8\n"}, "H bad"},
      {UnoR4Live, {"+AAA", "+B", "<\x06", "w2", "+C", "w1", "+C", "w1", "+D"}, "AAA C D"},
  };
  const char* kinds[] = {"ack", "nak", "hello", "bad"};
  for (const Script& script : scripts) {
    FramePacer pacer(script.protocol);
    std::string log;
    const auto keep = [&log](const std::string& entry) {
      if (!entry.empty()) {
        log += (log.empty() ? "" : " ") + entry;
      }
    };
    const auto write = [&keep](const FramePacer::Bytes& bytes) {
      keep(bytes == HelloMessage() ? "H" : std::string(bytes.begin(), bytes.end()));
    };
    write(pacer.Start());
    for (const std::string& event : script.events) {
      const std::string rest = event.substr(1);
      if (event[0] == '+') {
        write(pacer.Offer(B(rest)));
      } else if (event[0] == '<') {
        FramePacer::Reply reply = pacer.Received(B(rest));
        keep(reply.answer ? kinds[static_cast<int>(reply.answer->kind)] : "");
        write(reply.next);
      } else {
        write(pacer.Written(std::stoul(rest)));
      }
    }
    EXPECT_EQ(log, script.log) << script.events.back();
  }
}

TEST(FramePacerTest, ABurstWhileAFrameIsInFlightSendsOnlyItsLastPattern) {
  FramePacer pacer(BoardProtocol::UnoR4Live);
  EXPECT_EQ(pacer.Offer({0}), FramePacer::Bytes{0});
  for (int i = 1; i <= 1000; ++i) {
    EXPECT_TRUE(pacer.Offer({static_cast<std::uint8_t>(i % 256), 1}).empty());
  }
  EXPECT_EQ(pacer.Written(1), (FramePacer::Bytes{1000 % 256, 1}));
  EXPECT_TRUE(pacer.Written(2).empty());
  EXPECT_FALSE(pacer.Waiting());
}

}  // namespace
}  // namespace glyphgrid

#include "core/frame_pacer.h"

#include <gtest/gtest.h>

#include "core/glyphgrid_protocol.h"

namespace glyphgrid {
namespace {

// Events as text: "+A" offers message "A", "<..." receives bytes, "w.." says 2 bytes were
// written, "t" that the answer is overdue. The log holds what the pacer writes ("H" for the
// hello), the answers it reads, and "stop" when it has no more patience.
TEST(FramePacerTest, OneFrameInFlightAndTheLatestWins) {
  using enum BoardProtocol;
  const std::string hello = "<GLYPHGRID 1 8x8 red\n";
  const std::tuple<BoardProtocol, std::vector<std::string>, std::string> scripts[] = {
      {Glyphgrid, {"+A", "+B", "+C", hello, "<\x06", "<\x06"}, " H hello C ack"},
      {Glyphgrid,
       {"<\x06zz\nnoise GLYPHGRID 1 8x8 red\n", "+A", "+B", "<x\a", "+C", "<\x15"},
       " H hello A nak C"},
      {Glyphgrid, {hello, "+A", "<\x06", "+A", "+B", "<\x15\x06", "+C"}, " H hello A ack B nak C"},
      {Glyphgrid, {"+A", "<GLYPHGRID 1 8x8\n"}, " H bad"},
      {Glyphgrid, {"t", "t", hello, "+A", "t"}, " H H H hello A stop"},
      {Glyphgrid, {"t", "t", "t"}, " H H H stop"},
      {UnoR4Live, {"+AAA", "+B", "<\x06", "w..", "+C", "w.", "+C", "w.", "+D"}, " AAA C D"},
  };
  const char* kinds[] = {" ack", " nak", " hello", " bad"};
  for (const auto& [protocol, events, expected] : scripts) {
    FramePacer pacer(protocol);
    std::string log;
    const auto write = [&log](const FramePacer::Bytes& bytes) {
      log += bytes.empty()             ? ""
             : bytes == HelloMessage() ? " H"
                                       : " " + std::string(bytes.begin(), bytes.end());
    };
    write(pacer.Start());
    for (const std::string& event : events) {
      const FramePacer::Bytes rest(event.begin() + 1, event.end());
      if (event[0] == '+') {
        write(pacer.Offer(rest));
      } else if (event[0] == '<') {
        const FramePacer::Reply reply = pacer.Received(rest);
        log += reply.answer ? kinds[static_cast<int>(reply.answer->kind)] : "";
        write(reply.next);
      } else if (event[0] == 'w') {
        write(pacer.Written(rest.size()));
      } else {
        log += pacer.Overdue() == HelloMessage() ? " H" : " stop";
      }
    }
    EXPECT_EQ(log, expected) << events.back();
  }
}

}  // namespace
}  // namespace glyphgrid

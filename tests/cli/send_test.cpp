#include <gtest/gtest.h>

#include <sys/wait.h>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>

#include "core/board_protocol.h"
#include "core/glyphgrid_protocol.h"
#include "run_cli.h"
#include "fake_board/fake_board.h"
#include "support/patterns.h"
#include "support/profile_samples.h"

namespace glyphgrid {
namespace {

using namespace std::chrono_literals;

const char* const Patterns[] = {
    "R.......\n........\n........\n........\n........\n........\n.......R\n........\n",
    "........\n.R......\n........\n........\n...R....\n........\n........\nR.......\n",
    "......RR\n........\n........\n........\n........\n........\n........\n.R......\n"};
const std::string ThreeFrames = std::string(Patterns[0]) + "\n" + Patterns[1] + "\n" + Patterns[2];

// The frames arrive whole, in order, a delay apart, and the port carries nothing but them.
TEST(SendTest, FramesArriveInOrderAtTheirDelays) {
  for (const auto& [arguments, protocol] :
       {std::pair{"--profile c-rows", BoardProtocol::Glyphgrid},
        std::pair{"--protocol uno-r4-live --offset 0", BoardProtocol::UnoR4Live}}) {
    WiringProfile profile = Preset(AnswersFrames(protocol) ? "c-rows" : "uno-r4");
    profile.offset = AnswersFrames(protocol) ? DefaultOffset : 0;
    FakeBoard board({protocol, {"red"}, profile, {}});
    const Result result =
        Cli("send --from grid --delay 150 " + std::string(arguments) + " --port " + board.Path(),
            ThreeFrames);
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<BoardFrame> frames = board.Frames();
    ASSERT_EQ(frames.size(), 3u);
    std::vector<std::uint8_t> sent =
        AnswersFrames(protocol) ? HelloMessage() : std::vector<std::uint8_t>();
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(frames[i].lamps, FromGrid(Patterns[i]));
      const std::vector<std::uint8_t> bytes = FrameBytes(protocol, frames[i].lamps, profile);
      sent.insert(sent.end(), bytes.begin(), bytes.end());
      const auto gap = frames[i].at - frames[i == 0 ? 0 : i - 1].at;
      EXPECT_TRUE(i == 0 || (gap >= 120ms && gap < 400ms)) << (gap / 1ms) << " ms";
    }
    EXPECT_EQ(board.Received(), sent);
  }
}

// The message with PORT standing for the port.
std::string Named(std::string text, const std::string& port) {
  if (const std::size_t at = text.find("PORT"); at != std::string::npos) {
    text.replace(at, 4, port);
  }
  return text;
}

// What goes wrong with the port or the board, once the first frame has arrived or from the start.
TEST(SendTest, FailuresNameThePortAndEndPromptly) {
  using Act = std::function<void(FakeBoard&)>;
  const std::tuple<Act, std::string, int, std::string, std::chrono::milliseconds> cases[] = {
      {[](FakeBoard& board) { board.StopAnswering(true); }, "PORT", 1,
       "the board on port 'PORT' stopped answering: no answer to frame 2 within 1 s\n", 1500ms},
      {[](FakeBoard& board) { board.HangUp(); }, "PORT", 1, "port 'PORT' failed: ", 500ms},
      {[](FakeBoard& board) { board.AnswerGarbage(true); }, "PORT", 0, "", 1600ms},
      {nullptr, "PORT --profile ht16k33", 1,
       "the board on port 'PORT' shows 8x8 red: it takes 1 colour plane, the wiring profile "
       "writes 2 (planes interleaved)\n",
       300ms},
      {nullptr, "/dev/null", 1, "cannot open port '/dev/null': it is not a serial device\n", 300ms},
      {nullptr, "/etc/passwd", 1, "cannot open port '/etc/passwd': it is not a serial device\n",
       300ms},
      {nullptr, "/nonexistent/tty", 1, "cannot open port '/nonexistent/tty': No such file", 300ms},
  };
  for (const auto& [act, arguments, status, message, within] : cases) {
    FakeBoard board;
    const std::string command =
        "send --from grid --delay 300 --port " + Named(arguments, board.Path());
    std::future<Result> sending =
        std::async(std::launch::async, [&] { return Cli(command, ThreeFrames); });
    if (act) {
      ASSERT_TRUE(board.WaitForFrames(1, 1s));
      act(board);
    }
    const auto acted = std::chrono::steady_clock::now();
    ASSERT_EQ(sending.wait_for(3s), std::future_status::ready) << message;
    EXPECT_LT(std::chrono::steady_clock::now() - acted, within) << message;
    const Result result = sending.get();
    EXPECT_EQ(result.status, status) << result.err;
    const std::string expected = Named(message, board.Path());
    EXPECT_TRUE(result.err.starts_with(expected.empty() ? "" : "glyphgrid-cli: " + expected))
        << result.err;
    EXPECT_EQ(result.out, "");
    if (status == 0) {
      EXPECT_EQ(board.Frames().size(), 3u);  // through the garbage
    } else if (!act) {
      EXPECT_TRUE(board.Frames().empty());  // a board that does not fit gets no frame
    }
  }
}

TEST(SendTest, LoopPlaysUntilSigtermAndEndsWell) {
  FakeBoard board;
  const std::string command = "printf '" + std::string(Patterns[0]) +
                              "' | timeout --preserve-status -s TERM 0.5 '" GLYPHGRID_CLI
                              "' send --loop --from grid --delay 20 --port " +
                              board.Path();
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_GE(board.Frames().size(), 5u);
}

}  // namespace
}  // namespace glyphgrid

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>
#include <regex>

#include "core/board_protocol.h"
#include "core/glyphgrid_protocol.h"
#include "fake_board/fake_board.h"
#include "run_cli.h"
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

// The frames arrive whole, in order, a delay apart, through the board's garbage, and the port
// carries nothing but them.
TEST(SendTest, FramesArriveInOrderAtTheirDelays) {
  for (const auto& [arguments, protocol] :
       {std::pair{"--profile c-rows", BoardProtocol::Glyphgrid},
        std::pair{"--protocol uno-r4-live --offset 0", BoardProtocol::UnoR4Live}}) {
    WiringProfile profile = Preset(AnswersFrames(protocol) ? "c-rows" : "uno-r4");
    profile.offset = AnswersFrames(protocol) ? DefaultOffset : 0;
    FakeBoard board({protocol, {"red"}, profile, {}});
    board.AnswerGarbage(true);  // before every answer; uno-r4-live has none
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

// What goes wrong with the port or the board, once the first frame has arrived or from the start;
// PORT stands for the fake board's port.
TEST(SendTest, FailuresNameThePortAndEndPromptly) {
  using Act = std::function<void(FakeBoard&)>;
  const std::regex Port("PORT");
  const std::tuple<Act, std::string, std::string, std::chrono::milliseconds> cases[] = {
      {[](FakeBoard& board) { board.StopAnswering(true); }, "PORT",
       "the board on port 'PORT' stopped answering: no answer to frame 2 within 1 s\n", 1500ms},
      {[](FakeBoard& board) { board.HangUp(); }, "PORT", "port 'PORT' failed: ", 500ms},
      {nullptr, "PORT --profile ht16k33",
       "the board on port 'PORT' shows 8x8 red: it takes 1 colour plane, the wiring profile "
       "writes 2 (planes interleaved)\n",
       300ms},
      {nullptr, "/dev/null", "cannot open port '/dev/null': it is not a serial device\n", 300ms},
      {nullptr, "/nonexistent/tty", "cannot open port '/nonexistent/tty': No such file", 300ms},
  };
  for (const auto& [act, arguments, message, within] : cases) {
    FakeBoard board;
    const std::string command =
        "send --from grid --delay 300 --port " + std::regex_replace(arguments, Port, board.Path());
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
    EXPECT_EQ(result.status, 1) << result.err;
    const std::string expected = std::regex_replace(message, Port, board.Path());
    EXPECT_TRUE(result.err.starts_with("glyphgrid-cli: " + expected)) << result.err;
    EXPECT_EQ(result.out, "");
    if (!act) {
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

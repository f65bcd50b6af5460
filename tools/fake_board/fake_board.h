#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/board_protocol.h"
#include "core/lamp_matrix.h"
#include "core/message_decoder.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// A frame as the board took it.
struct BoardFrame {
  std::vector<std::uint8_t> bytes;           // the glyphgrid payload, or uno-r4-live's 12 bytes
  LampMatrix lamps;                          // what the board shows
  std::chrono::steady_clock::time_point at;  // when its last byte arrived
};

struct FakeBoardOptions {
  BoardProtocol protocol = DefaultBoardProtocol;
  // What the hello line names; the board takes 8 payload bytes a colour.
  std::vector<std::string> colours{"red"};
  // How the board's display reads a glyphgrid payload (its planes must match the colours), and
  // uno-r4-live's offset.
  WiringProfile wiring;
  // Called on the board's thread for each frame it shows.
  std::function<void(const BoardFrame&)> on_frame;
};

// A board on a pseudo-terminal: a program opens Path() as it would /dev/ttyACM0, and a thread
// reads the other side, decodes with the core's decoders and answers as the firmware does.
// Every wait is bounded.
class FakeBoard {
 public:
  explicit FakeBoard(FakeBoardOptions options = {});
  FakeBoard(const FakeBoard&) = delete;
  FakeBoard& operator=(const FakeBoard&) = delete;
  ~FakeBoard();

  const std::string& Path() const { return path_; }

  // The board reads on but answers nothing.
  void StopAnswering(bool stop) { silent_ = stop; }
  // Noise (never ACK or NAK) before each answer, as a board that prints while it starts.
  void AnswerGarbage(bool garbage) { garbage_ = garbage; }
  // How long the board takes to show a frame before it answers, as a real line and display do.
  void SetAnswerDelay(std::chrono::milliseconds delay) { answer_delay_ms_ = delay.count(); }
  // The cable pulled: the board's side closes, so the program's reads and writes fail.
  void HangUp();

  std::vector<BoardFrame> Frames() const;
  // Every byte the program wrote, in order.
  std::vector<std::uint8_t> Received() const;
  int Hellos() const;
  // Whether `count` frames have come within `timeout`.
  bool WaitForFrames(std::size_t count, std::chrono::milliseconds timeout) const;

 private:
  void Run();
  void Take(std::uint8_t byte);
  void Answer(std::string_view answer, bool silent);
  void Show(std::vector<std::uint8_t> bytes);

  FakeBoardOptions options_;
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
  std::atomic<bool> silent_ = false;
  std::atomic<bool> garbage_ = false;
  std::atomic<long long> answer_delay_ms_ = 0;
  std::atomic<bool> stop_ = false;
  mutable std::mutex mutex_;
  mutable std::condition_variable frame_came_;
  std::vector<BoardFrame> frames_;
  std::vector<std::uint8_t> received_;
  MessageDecoder decoder_;
  std::vector<std::uint8_t> pending_;  // uno-r4-live's frame so far
  int hellos_ = 0;
  std::thread thread_;
};

}  // namespace glyphgrid

#include "fake_board/fake_board.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>
#include <utility>

#include "core/glyphgrid_protocol.h"
#include "core/profile_import.h"
#include "core/uno_r4_live.h"

namespace glyphgrid {

namespace {

// Neither ACK nor NAK nor a hello line: what a host must step over.
constexpr std::string_view Garbage = "boot 0.1\r\n\xA5\xFF?GLYPH";

}  // namespace

FakeBoard::FakeBoard(FakeBoardOptions options) : options_(std::move(options)) {
  // Raw from the start, so that the line discipline neither echoes nor edits before the program
  // under test sets up the port.
  termios raw{};
  cfmakeraw(&raw);
  char name[256] = {};
  if (openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
    throw std::runtime_error("openpty failed");
  }
  path_ = name;
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  thread_ = std::thread(&FakeBoard::Run, this);
}

FakeBoard::~FakeBoard() {
  HangUp();
  if (slave_ >= 0) {
    close(slave_);
  }
}

void FakeBoard::HangUp() {
  stop_ = true;
  if (thread_.joinable()) {
    thread_.join();
  }
  if (master_ >= 0) {
    close(master_);
    master_ = -1;
  }
}

std::vector<BoardFrame> FakeBoard::Frames() const {
  std::lock_guard lock(mutex_);
  return frames_;
}

std::vector<std::uint8_t> FakeBoard::Received() const {
  std::lock_guard lock(mutex_);
  return received_;
}

int FakeBoard::Hellos() const {
  std::lock_guard lock(mutex_);
  return hellos_;
}

bool FakeBoard::WaitForFrames(std::size_t count, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mutex_);
  return frame_came_.wait_for(lock, timeout, [&] { return frames_.size() >= count; });
}

void FakeBoard::Run() {
  while (!stop_) {
    pollfd ready{master_, POLLIN, 0};
    if (poll(&ready, 1, 20) <= 0 || !(ready.revents & POLLIN)) {
      continue;
    }
    std::uint8_t bytes[256];
    const ssize_t count = read(master_, bytes, sizeof bytes);
    for (ssize_t i = 0; i < count; ++i) {
      Take(bytes[i]);
    }
  }
}

void FakeBoard::Take(std::uint8_t byte) {
  {
    std::lock_guard lock(mutex_);
    received_.push_back(byte);
  }
  if (options_.protocol == BoardProtocol::UnoR4Live) {
    pending_.push_back(byte);
    if (pending_.size() == UnoR4LiveFrameSize) {
      Show(std::exchange(pending_, {}));
    }
    return;
  }
  const std::optional<ReceivedMessage> message = decoder_.Feed(byte);
  if (!message) {
    return;
  }
  // Whether to answer is settled when the message arrives, so that a switch made once a frame
  // shows never takes back that frame's answer.
  const bool silent = silent_;
  if (message->kind == ReceivedMessage::Kind::Hello) {
    {
      std::lock_guard lock(mutex_);
      ++hellos_;
    }
    Answer(HelloLine({GlyphgridProtocolVersion, LampsPerRow, LampsPerRow, options_.colours}),
           silent);
  } else if (message->kind == ReceivedMessage::Kind::Frame &&
             message->payload.size() == UnitsPerPlane * options_.colours.size()) {
    Show(message->payload);
    Answer(std::string(1, static_cast<char>(Ack)), silent);
  } else {
    Answer(std::string(1, static_cast<char>(Nak)), silent);
  }
}

void FakeBoard::Answer(std::string_view answer, bool silent) {
  std::this_thread::sleep_for(std::chrono::milliseconds(answer_delay_ms_.load()));
  if (silent) {
    return;
  }
  const std::string bytes = (garbage_ ? std::string(Garbage) : "") + std::string(answer);
  // The program reads what it asked for; a full buffer only drops what it would ignore.
  [[maybe_unused]] const ssize_t written = write(master_, bytes.data(), bytes.size());
}

void FakeBoard::Show(std::vector<std::uint8_t> bytes) {
  BoardFrame frame{std::move(bytes), {}, std::chrono::steady_clock::now()};
  if (options_.protocol == BoardProtocol::UnoR4Live) {
    frame.lamps = DecodeUnoR4LiveFrame(
        std::span<const std::uint8_t, UnoR4LiveFrameSize>(frame.bytes.data(), UnoR4LiveFrameSize),
        options_.wiring.offset);
  } else if (frame.bytes.size() ==
             static_cast<std::size_t>(UnitsPerPlane * PlaneCount(options_.wiring.planes))) {
    frame.lamps = LampsFromUnits(frame.bytes, options_.wiring);
  }
  if (options_.on_frame) {
    options_.on_frame(frame);
  }
  std::lock_guard lock(mutex_);
  frames_.push_back(std::move(frame));
  frame_came_.notify_all();
}

}  // namespace glyphgrid

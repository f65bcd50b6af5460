#include "cli/board_send.h"

#include <signal.h>

#include <chrono>
#include <csignal>

#include "cli/quoted.h"
#include "cli/serial_port.h"
#include "core/board_answer_reader.h"
#include "core/glyphgrid_protocol.h"

namespace glyphgrid {

namespace {

using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t stop_requested = 0;

void RequestStop(int) {
  stop_requested = 1;
}

// While --loop runs, SIGINT and SIGTERM end it at the next wait instead of killing the tool.
class StopOnSignals {
 public:
  explicit StopOnSignals(bool active) : active_(active) {
    stop_requested = 0;
    if (!active_) {
      return;
    }
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &old_interrupt_);
    sigaction(SIGTERM, &action, &old_terminate_);
  }
  StopOnSignals(const StopOnSignals&) = delete;
  StopOnSignals& operator=(const StopOnSignals&) = delete;
  ~StopOnSignals() {
    if (active_) {
      sigaction(SIGINT, &old_interrupt_, nullptr);
      sigaction(SIGTERM, &old_terminate_, nullptr);
    }
  }

 private:
  bool active_;
  struct sigaction old_interrupt_ {};
  struct sigaction old_terminate_ {};
};

int MsUntil(Clock::time_point deadline) {
  return static_cast<int>(std::max<long long>(
      0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count()));
}

class Sender {
 public:
  Sender(SerialPort port, const std::string& path) : port_(std::move(port)), name_(Quoted(path)) {}

  // Reads until the deadline or an answer: nothing left means the time ran out or a stop came.
  std::variant<std::optional<BoardAnswer>, Error> AnswerBy(Clock::time_point deadline) {
    while (!stop_requested) {
      const int left = MsUntil(deadline);
      if (left == 0) {
        break;
      }
      std::variant<std::vector<std::uint8_t>, std::string> read = port_.Read(left);
      if (const std::string* reason = std::get_if<std::string>(&read)) {
        return PortFailed(*reason);
      }
      if (std::optional<BoardAnswer> answer =
              reader_.Feed(std::get<std::vector<std::uint8_t>>(read))) {
        return answer;
      }
    }
    return std::optional<BoardAnswer>();
  }

  // Writes a hello or a frame and waits up to the answer time-out for what the board says to it.
  std::variant<std::optional<BoardAnswer>, Error> Ask(const std::vector<std::uint8_t>& message,
                                                      bool hello) {
    if (std::optional<Error> error = Write(message)) {
      return *error;
    }
    hello ? reader_.ExpectHello() : reader_.ExpectFrameAnswer();
    return AnswerBy(Clock::now() + std::chrono::milliseconds(AnswerTimeoutMs));
  }

  std::optional<Error> SendHello(const WiringProfile& profile) {
    for (int attempt = 0; attempt < HelloAttempts && !stop_requested; ++attempt) {
      std::variant<std::optional<BoardAnswer>, Error> answer = Ask(HelloMessage(), true);
      if (Error* error = std::get_if<Error>(&answer)) {
        return *error;
      }
      const std::optional<BoardAnswer>& got = std::get<std::optional<BoardAnswer>>(answer);
      if (!got) {
        continue;
      }
      if (got->kind == BoardAnswer::Kind::BadHello) {
        return Board("answered the hello with " + Quoted(got->line) + ", not " +
                     std::string(HelloWord) + " 1 <columns>x<rows> <colours>");
      }
      if (got->kind == BoardAnswer::Kind::Hello) {
        if (std::optional<std::string> mismatch = HelloMismatch(got->hello, profile)) {
          return Board(*mismatch);
        }
        return std::nullopt;
      }
    }
    if (stop_requested) {
      return std::nullopt;
    }
    return Board("did not answer the hello within " + std::to_string(HelloAttempts) +
                 " s (is the glyphgrid firmware on it, at this baud rate?)");
  }

  // Sends the frame until it is acknowledged: a NAK earns one resend.
  std::optional<Error> SendFrame(const std::vector<std::uint8_t>& message, int number) {
    for (int attempt = 0; attempt < 2 && !stop_requested; ++attempt) {
      std::variant<std::optional<BoardAnswer>, Error> answer = Ask(message, false);
      if (Error* error = std::get_if<Error>(&answer)) {
        return *error;
      }
      const std::optional<BoardAnswer>& got = std::get<std::optional<BoardAnswer>>(answer);
      if (stop_requested) {
        break;
      }
      if (!got) {
        return Board("stopped answering: no answer to frame " + std::to_string(number) +
                     " within " + std::to_string(AnswerTimeoutMs / 1000) + " s");
      }
      if (got->kind == BoardAnswer::Kind::Ack) {
        return std::nullopt;
      }
    }
    if (stop_requested) {
      return std::nullopt;
    }
    return Board("refused frame " + std::to_string(number) + " twice (NAK)");
  }

  // The 12 bytes on their way and out of the port, so that the delay counts from when the board
  // has the frame.
  std::optional<Error> SendBytes(const std::vector<std::uint8_t>& bytes) {
    if (std::optional<Error> error = Write(bytes)) {
      return error;
    }
    if (std::optional<std::string> reason = port_.Drain(AnswerTimeoutMs)) {
      return PortFailed(*reason);
    }
    return std::nullopt;
  }

  // Holds until `until`, reading what the board sends so that a port that goes away is noticed.
  std::optional<Error> Hold(Clock::time_point until) {
    while (!stop_requested && MsUntil(until) > 0) {
      std::variant<std::vector<std::uint8_t>, std::string> read = port_.Read(MsUntil(until));
      if (const std::string* reason = std::get_if<std::string>(&read)) {
        return PortFailed(*reason);
      }
    }
    return std::nullopt;
  }

 private:
  std::optional<Error> Write(const std::vector<std::uint8_t>& bytes) {
    if (std::optional<std::string> reason = port_.Write(bytes, AnswerTimeoutMs)) {
      return PortFailed(*reason);
    }
    return std::nullopt;
  }

  Error PortFailed(const std::string& reason) const {
    return {Error::Kind::Unreadable, "port " + name_ + " failed: " + reason};
  }

  Error Board(const std::string& what) const {
    return {Error::Kind::Unreadable, "the board on port " + name_ + " " + what};
  }

  SerialPort port_;
  std::string name_;
  BoardAnswerReader reader_;
};

}  // namespace

std::optional<Error> SendAnimation(const Animation& animation, const WiringProfile& profile,
                                   const SendOptions& options) {
  std::variant<SerialPort, std::string> opened = SerialPort::Open(options.port, options.baud);
  if (const std::string* reason = std::get_if<std::string>(&opened)) {
    return Error{Error::Kind::Unreadable,
                 "cannot open port " + Quoted(options.port) + ": " + *reason};
  }
  const StopOnSignals stop(options.loop);
  Sender sender(std::move(std::get<SerialPort>(opened)), options.port);
  const bool glyphgrid = options.protocol == BoardProtocol::Glyphgrid;
  if (glyphgrid) {
    if (std::optional<Error> error = sender.SendHello(profile)) {
      return error;
    }
  }
  do {
    for (int index = 0; index < animation.FrameCount() && !stop_requested; ++index) {
      const Frame& frame = animation.At(index);
      const std::vector<std::uint8_t> bytes = FrameBytes(options.protocol, frame.Lamps(), profile);
      std::optional<Error> error =
          glyphgrid ? sender.SendFrame(bytes, index + 1) : sender.SendBytes(bytes);
      const Clock::time_point shown = Clock::now();
      if (!error) {
        error = sender.Hold(shown + std::chrono::milliseconds(frame.Delay()));
      }
      if (error) {
        return error;
      }
    }
  } while (options.loop && !stop_requested);
  return std::nullopt;
}

}  // namespace glyphgrid

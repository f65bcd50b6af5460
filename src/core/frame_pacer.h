#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/board_answer_reader.h"
#include "core/board_protocol.h"

namespace glyphgrid {

// Decides when a message may go to the board, so that the port never holds more than one frame:
// at most one is in flight, a pattern offered meanwhile waits and is replaced by the next one
// offered, and the one waiting goes when the one in flight is done. A frame is done when the
// board answers it (glyphgrid: ACK or NAK) or, for a board that never answers, when the port has
// taken all its bytes. It moves no bytes itself: each call returns what is to be written now
// (empty when nothing is).
class FramePacer {
 public:
  using Bytes = std::vector<std::uint8_t>;

  explicit FramePacer(BoardProtocol protocol);

  // The hello, for a board that answers; frames wait until its answer.
  Bytes Start();
  // A message for a new pattern; one equal to the last offered changes nothing on the board and
  // is dropped.
  Bytes Offer(Bytes message);
  // `count` more bytes have left for the port.
  Bytes Written(std::size_t count);

  struct Reply {
    Bytes next;
    std::optional<BoardAnswer> answer;  // what the bytes answered, if they completed an answer
  };
  Reply Received(std::span<const std::uint8_t> bytes);

  // The answer is overdue (AnswerTimeoutMs): the hello again while a board that resets when the
  // port opens may still be starting, up to MaxHellos in all; otherwise nothing, and the board
  // has stopped answering.
  Bytes Overdue();

  // Something is in flight, so an answer (or the port) is awaited against the clock.
  bool Waiting() const { return greeting_ || in_flight_; }
  bool Greeting() const { return greeting_; }

 private:
  Bytes Next();

  // A classic UNO or Nano runs its bootloader for about 2 s after the port opens.
  static constexpr int MaxHellos = 3;

  bool answers_;
  int hellos_ = 0;
  bool greeting_ = false;
  bool in_flight_ = false;
  std::size_t unwritten_ = 0;
  std::optional<Bytes> waiting_;
  Bytes last_offered_;
  BoardAnswerReader reader_;
};

}  // namespace glyphgrid

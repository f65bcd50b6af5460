#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace glyphgrid {

// What a board running the glyphgrid firmware says it is after a hello.
struct BoardInfo {
  int version = 0;
  int columns = 0;
  int rows = 0;
  std::string colours;  // "red", "red,green"

  bool operator==(const BoardInfo&) const = default;
};

// Decides when a message may go to the board, so that the port never holds more than one frame:
// at most one is in flight, a pattern offered meanwhile waits and is replaced by the next one
// offered, and the one waiting goes when the one in flight is done. It moves no bytes itself:
// every call returns what is to be written now (empty when nothing is).
class FramePacer {
 public:
  using Bytes = std::vector<std::uint8_t>;

  // A frame is done when the board answers it (glyphgrid: ACK or NAK), or when the port has
  // taken all its bytes (a board that never answers).
  enum class Pacing { ByAnswer, ByWrite };

  // ByAnswer writes `hello` first; frames wait until the board's line answers it.
  FramePacer(Pacing pacing, Bytes hello);

  Bytes Start();
  // A message for a new pattern; an offer equal to the last one changes nothing on the board and
  // is dropped.
  Bytes Offer(Bytes message);
  // `count` more bytes have left for the port.
  Bytes Written(std::size_t count);
  Bytes Received(std::span<const std::uint8_t> bytes);

  // Something is in flight, so an answer (or, ByWrite, the port) is awaited against the clock.
  bool Waiting() const { return greeting_ || in_flight_; }
  bool Greeting() const { return greeting_; }
  // The board's hello line, once it came.
  const std::optional<BoardInfo>& Board() const { return board_; }
  // How many frames the board refused (NAK) since the start.
  int Refusals() const { return refusals_; }

 private:
  Bytes Next();
  void LineByte(std::uint8_t byte);

  Pacing pacing_;
  Bytes hello_;
  bool greeting_ = false;
  bool in_flight_ = false;
  std::size_t unwritten_ = 0;
  std::optional<Bytes> waiting_;
  Bytes last_offered_;
  std::string line_;
  std::optional<BoardInfo> board_;
  int refusals_ = 0;
};

// The board's answer to a hello, "GLYPHGRID 1 8x8 red" (the line break taken off); nothing when
// the line is anything else.
std::optional<BoardInfo> ParseBoardLine(std::string_view line);

}  // namespace glyphgrid

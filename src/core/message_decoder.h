#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace glyphgrid {

// A whole message as the board receives it.
struct ReceivedMessage {
  enum class Kind {
    Hello,     // LEN 0 with a right check
    Frame,     // LEN 1 to 32 with a right check; the board decides whether it takes that length
    BadCheck,  // the board answers NAK
  };
  Kind kind;
  std::vector<std::uint8_t> payload;

  bool operator==(const ReceivedMessage&) const = default;
};

// The board's side of the glyphgrid protocol, fed a byte at a time. It waits for the start byte
// and ignores everything else; a LEN over 32 sends it back to waiting without an answer, and
// after any whole message it waits again, so that it finds the next message after garbage.
class MessageDecoder {
 public:
  // The message that this byte completes, if any.
  std::optional<ReceivedMessage> Feed(std::uint8_t byte);

 private:
  enum class State { Waiting, Length, Payload, Check };
  State state_ = State::Waiting;
  std::size_t length_ = 0;
  std::vector<std::uint8_t> payload_;
};

}  // namespace glyphgrid

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/glyphgrid_protocol.h"

namespace glyphgrid {

// An answer the host was waiting for.
struct BoardAnswer {
  enum class Kind {
    Ack,
    Nak,
    Hello,     // `hello` holds what the board said
    BadHello,  // a GLYPHGRID line that does not parse; `line` holds it without its line break
  };
  Kind kind;
  BoardHello hello;
  std::string line;

  bool operator==(const BoardAnswer&) const = default;
};

// The host's side of the glyphgrid protocol: it reads what the board sends while one message is
// in flight and picks out the answer to it, ignoring every byte it does not expect (a board
// prints what it likes while it starts). Bytes that come after the answer are dropped too: with
// one message in flight nothing else can be meant for the host.
class BoardAnswerReader {
 public:
  // After a hello: the GLYPHGRID line, read from its start word up to its line break, at most
  // MaxHelloLine bytes. After a frame: ACK or NAK.
  void ExpectHello();
  void ExpectFrameAnswer();

  // The answer that these bytes complete, if any; after it, nothing until the next Expect.
  std::optional<BoardAnswer> Feed(std::span<const std::uint8_t> bytes);

 private:
  enum class Awaiting { Nothing, Hello, FrameAnswer };
  std::optional<BoardAnswer> FeedHello(std::uint8_t byte);

  Awaiting awaiting_ = Awaiting::Nothing;
  std::string line_;  // the hello line's last bytes, at most MaxHelloLine
};

}  // namespace glyphgrid

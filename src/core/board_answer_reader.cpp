#include "core/board_answer_reader.h"

namespace glyphgrid {

void BoardAnswerReader::ExpectHello() {
  awaiting_ = Awaiting::Hello;
  line_.clear();
}

void BoardAnswerReader::ExpectFrameAnswer() {
  awaiting_ = Awaiting::FrameAnswer;
}

std::optional<BoardAnswer> BoardAnswerReader::Feed(std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t byte : bytes) {
    std::optional<BoardAnswer> answer;
    if (awaiting_ == Awaiting::Hello) {
      answer = FeedHello(byte);
    } else if (awaiting_ == Awaiting::FrameAnswer && (byte == Ack || byte == Nak)) {
      answer = BoardAnswer{byte == Ack ? BoardAnswer::Kind::Ack : BoardAnswer::Kind::Nak, {}, {}};
    }
    if (answer) {
      awaiting_ = Awaiting::Nothing;
      return answer;
    }
  }
  return std::nullopt;
}

// Garbage without a line break may come just before the line, so the line starts at its word
// wherever that stands; a line whose word is more than MaxHelloLine bytes before its break has
// dropped out of the window by then and is garbage.
std::optional<BoardAnswer> BoardAnswerReader::FeedHello(std::uint8_t byte) {
  if (byte != '\n') {
    line_ += static_cast<char>(byte);
    if (line_.size() >= MaxHelloLine) {
      line_.erase(0, line_.size() - (MaxHelloLine - 1));
    }
    return std::nullopt;
  }
  const std::size_t word = line_.rfind(HelloWord);
  if (word == std::string::npos) {
    line_.clear();
    return std::nullopt;
  }
  std::string line = line_.substr(word);
  line_.clear();
  if (std::optional<BoardHello> hello = ParseHelloLine(line)) {
    return BoardAnswer{BoardAnswer::Kind::Hello, std::move(*hello), {}};
  }
  return BoardAnswer{BoardAnswer::Kind::BadHello, {}, std::move(line)};
}

}  // namespace glyphgrid

#include "core/frame_pacer.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace glyphgrid {

namespace {

constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Nak = 0x15;
// A longer line is garbage; its last bytes may still hold the real answer.
constexpr std::size_t MaxLineLength = 64;
constexpr std::string_view LineStart = "GLYPHGRID";

// Reads a number at the front of `text` and takes it off; nothing when none stands there.
std::optional<int> TakeNumber(std::string_view& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) {
    return std::nullopt;
  }
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

bool TakeChar(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) {
    return false;
  }
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<BoardInfo> ParseBoardLine(std::string_view line) {
  if (line.ends_with('\r')) {
    line.remove_suffix(1);
  }
  if (!line.starts_with(LineStart)) {
    return std::nullopt;
  }
  line.remove_prefix(LineStart.size());
  BoardInfo board;
  std::optional<int> version, columns, rows;
  if (!TakeChar(line, ' ') || !(version = TakeNumber(line)) || !TakeChar(line, ' ') ||
      !(columns = TakeNumber(line)) || !TakeChar(line, 'x') || !(rows = TakeNumber(line)) ||
      !TakeChar(line, ' ') || line.empty()) {
    return std::nullopt;
  }
  const bool colour_names = std::all_of(line.begin(), line.end(),
                                        [](char c) { return (c >= 'a' && c <= 'z') || c == ','; });
  if (!colour_names || *version < 0 || *columns <= 0 || *rows <= 0) {
    return std::nullopt;
  }
  return BoardInfo{*version, *columns, *rows, std::string(line)};
}

FramePacer::FramePacer(Pacing pacing, Bytes hello) : pacing_(pacing), hello_(std::move(hello)) {}

FramePacer::Bytes FramePacer::Start() {
  if (pacing_ == Pacing::ByWrite) {
    return {};
  }
  greeting_ = true;
  return hello_;
}

FramePacer::Bytes FramePacer::Offer(Bytes message) {
  if (message == last_offered_) {
    return {};
  }
  last_offered_ = message;
  waiting_ = std::move(message);
  return Waiting() ? Bytes() : Next();
}

FramePacer::Bytes FramePacer::Written(std::size_t count) {
  if (pacing_ != Pacing::ByWrite || !in_flight_) {
    return {};
  }
  unwritten_ -= std::min(count, unwritten_);
  if (unwritten_ > 0) {
    return {};
  }
  in_flight_ = false;
  return Next();
}

FramePacer::Bytes FramePacer::Received(std::span<const std::uint8_t> bytes) {
  if (pacing_ != Pacing::ByAnswer) {
    return {};
  }
  // Once a frame goes, the rest of `bytes` came before it and cannot answer it.
  for (const std::uint8_t byte : bytes) {
    if (greeting_) {
      LineByte(byte);
      if (!greeting_) {
        return Next();
      }
    } else if (in_flight_ && (byte == Ack || byte == Nak)) {
      refusals_ += byte == Nak ? 1 : 0;
      in_flight_ = false;
      return Next();
    }
  }
  return {};
}

FramePacer::Bytes FramePacer::Next() {
  if (!waiting_) {
    return {};
  }
  Bytes message = std::move(*waiting_);
  waiting_.reset();
  in_flight_ = true;
  unwritten_ = message.size();
  return message;
}

void FramePacer::LineByte(std::uint8_t byte) {
  if (byte != '\n') {
    line_.push_back(static_cast<char>(byte));
    if (line_.size() > MaxLineLength) {
      line_.erase(0, line_.size() - MaxLineLength);
    }
    return;
  }
  // Garbage before the answer on the same line is skipped.
  const std::size_t start = line_.find(LineStart);
  if (start != std::string::npos) {
    board_ = ParseBoardLine(std::string_view(line_).substr(start));
    greeting_ = !board_;
  }
  line_.clear();
}

}  // namespace glyphgrid

#include "core/frame_pacer.h"

#include <algorithm>

#include "core/glyphgrid_protocol.h"

namespace glyphgrid {

FramePacer::FramePacer(BoardProtocol protocol) : answers_(AnswersFrames(protocol)) {}

FramePacer::Bytes FramePacer::Start() {
  if (!answers_) {
    return {};
  }
  greeting_ = true;
  reader_.ExpectHello();
  ++hellos_;
  return HelloMessage();
}

FramePacer::Bytes FramePacer::Overdue() {
  if (!greeting_ || hellos_ >= MaxHellos) {
    return {};
  }
  ++hellos_;
  return HelloMessage();
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
  if (answers_ || !in_flight_) {
    return {};
  }
  unwritten_ -= std::min(count, unwritten_);
  if (unwritten_ > 0) {
    return {};
  }
  in_flight_ = false;
  return Next();
}

FramePacer::Reply FramePacer::Received(std::span<const std::uint8_t> bytes) {
  if (!answers_) {
    return {};
  }
  std::optional<BoardAnswer> answer = reader_.Feed(bytes);
  if (!answer) {
    return {};
  }
  greeting_ = false;
  in_flight_ = false;
  // A line that names the protocol but does not parse: the board speaks something else, which
  // whoever reads the answer says; nothing more goes to it.
  if (answer->kind == BoardAnswer::Kind::BadHello) {
    return {{}, std::move(answer)};
  }
  return {Next(), std::move(answer)};
}

FramePacer::Bytes FramePacer::Next() {
  if (!waiting_) {
    return {};
  }
  Bytes message = std::move(*waiting_);
  waiting_.reset();
  in_flight_ = true;
  unwritten_ = message.size();
  if (answers_) {
    reader_.ExpectFrameAnswer();
  }
  return message;
}

}  // namespace glyphgrid

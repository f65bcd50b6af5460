#include "core/message_decoder.h"

#include "core/glyphgrid_protocol.h"

namespace glyphgrid {

std::optional<ReceivedMessage> MessageDecoder::Feed(std::uint8_t byte) {
  switch (state_) {
    case State::Waiting:
      if (byte == MessageStart) {
        state_ = State::Length;
      }
      return std::nullopt;
    case State::Length:
      if (byte > MaxPayload) {
        state_ = State::Waiting;
        return std::nullopt;
      }
      length_ = byte;
      payload_.clear();
      state_ = length_ == 0 ? State::Check : State::Payload;
      return std::nullopt;
    case State::Payload:
      payload_.push_back(byte);
      if (payload_.size() == length_) {
        state_ = State::Check;
      }
      return std::nullopt;
    case State::Check:
      break;
  }
  state_ = State::Waiting;
  if (byte != MessageCheck(payload_)) {
    return ReceivedMessage{ReceivedMessage::Kind::BadCheck, std::move(payload_)};
  }
  return ReceivedMessage{length_ == 0 ? ReceivedMessage::Kind::Hello : ReceivedMessage::Kind::Frame,
                         std::move(payload_)};
}

}  // namespace glyphgrid

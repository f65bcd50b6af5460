// The glyphgrid serial protocol as a board decodes it, one byte at a time. Plain C++ with no
// Arduino include, so that the host's tests compile this very file; each sketch folder holds an
// identical copy because the Arduino IDE builds a sketch from its own folder alone.
#pragma once

#include <stddef.h>
#include <stdint.h>

namespace glyphgrid {

enum : uint8_t {
  LinkStart = 0xA5,
  LinkAck = 0x06,
  LinkNak = 0x15,
  LinkMaxLength = 32,
};

// What a byte completed: nothing yet, a hello (answer with the board's line), a frame of the
// length the board takes with a right check (show it, then ACK), or a message to refuse (NAK).
enum class LinkEvent : uint8_t { None, Hello, Frame, Refused };

class LinkDecoder {
 public:
  // `frame_length`: the payload the board takes, 8 for one colour, 16 for two.
  explicit LinkDecoder(uint8_t frame_length) : frame_length_(frame_length) {}

  LinkEvent Feed(uint8_t byte) {
    switch (state_) {
      case State::Waiting:
        // Anything but the start byte is noise from before the host synchronised.
        if (byte == LinkStart) {
          state_ = State::Length;
        }
        return LinkEvent::None;
      case State::Length:
        // Too long to be ours: a stray start byte. Wait for the next one without answering.
        if (byte > LinkMaxLength) {
          state_ = State::Waiting;
          return LinkEvent::None;
        }
        length_ = byte;
        received_ = 0;
        sum_ = byte;
        state_ = length_ == 0 ? State::Check : State::Payload;
        return LinkEvent::None;
      case State::Payload:
        payload_[received_++] = byte;
        sum_ = static_cast<uint8_t>(sum_ + byte);
        if (received_ == length_) {
          state_ = State::Check;
        }
        return LinkEvent::None;
      case State::Check:
        state_ = State::Waiting;
        if (byte != static_cast<uint8_t>(~sum_)) {
          return LinkEvent::Refused;
        }
        if (length_ == 0) {
          return LinkEvent::Hello;
        }
        return length_ == frame_length_ ? LinkEvent::Frame : LinkEvent::Refused;
    }
    return LinkEvent::None;
  }

  // The last frame's bytes, valid after Feed returned Frame until the next byte is fed.
  const uint8_t* Payload() const { return payload_; }
  uint8_t Length() const { return length_; }

 private:
  enum class State : uint8_t { Waiting, Length, Payload, Check };

  uint8_t frame_length_;
  State state_ = State::Waiting;
  uint8_t length_ = 0;
  uint8_t received_ = 0;
  uint8_t sum_ = 0;
  uint8_t payload_[LinkMaxLength] = {};
};

}  // namespace glyphgrid

#include "core/animation.h"

#include <cassert>
#include <utility>

namespace glyphgrid {

Frame::Frame(const LampMatrix& lamps, int delay)
    : contents_(std::make_shared<const Contents>(Contents{lamps, delay})) {
  assert(IsDelay(delay));
}

bool Frame::operator==(const Frame& other) const {
  return contents_ == other.contents_ || (Delay() == other.Delay() && Lamps() == other.Lamps());
}

Animation::Animation() : Animation(std::vector<Frame>(1)) {}

Animation::Animation(std::vector<Frame> frames, int default_delay)
    : frames_(std::move(frames)), default_delay_(default_delay) {
  assert(!frames_.empty() && frames_.size() <= MaxFrames && IsDelay(default_delay));
}

const Frame& Animation::At(int index) const {
  assert(index >= 0 && index < FrameCount());
  return frames_[static_cast<std::size_t>(index)];
}

Animation WithFrame(const Animation& animation, int index, Frame frame) {
  std::vector<Frame> frames(animation.Frames().begin(), animation.Frames().end());
  frames.at(static_cast<std::size_t>(index)) = std::move(frame);
  return Animation(std::move(frames), animation.DefaultDelay());
}

}  // namespace glyphgrid

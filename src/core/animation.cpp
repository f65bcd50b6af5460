#include "core/animation.h"

#include <algorithm>
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

namespace {

std::vector<Frame> FramesOf(const Animation& animation) {
  return {animation.Frames().begin(), animation.Frames().end()};
}

std::vector<Frame>::iterator At(std::vector<Frame>& frames, int index) {
  assert(index >= 0 && index <= static_cast<int>(frames.size()));
  return frames.begin() + index;
}

}  // namespace

Animation WithFrame(const Animation& animation, int index, Frame frame) {
  std::vector<Frame> frames = FramesOf(animation);
  *At(frames, index) = std::move(frame);
  return Animation(std::move(frames), animation.DefaultDelay());
}

Animation InsertFrame(const Animation& animation, int index, const LampMatrix& lamps) {
  if (animation.FrameCount() == MaxFrames) {
    return animation;
  }
  std::vector<Frame> frames = FramesOf(animation);
  frames.insert(At(frames, index), Frame(lamps, animation.DefaultDelay()));
  return Animation(std::move(frames), animation.DefaultDelay());
}

Animation DuplicateFrame(const Animation& animation, int index) {
  if (animation.FrameCount() == MaxFrames) {
    return animation;
  }
  std::vector<Frame> frames = FramesOf(animation);
  frames.insert(At(frames, index + 1), animation.At(index));
  return Animation(std::move(frames), animation.DefaultDelay());
}

Animation DeleteFrame(const Animation& animation, int index) {
  if (animation.FrameCount() == 1) {
    return animation;
  }
  std::vector<Frame> frames = FramesOf(animation);
  frames.erase(At(frames, index));
  return Animation(std::move(frames), animation.DefaultDelay());
}

Animation MoveFrame(const Animation& animation, int from, int to) {
  std::vector<Frame> frames = FramesOf(animation);
  Frame moved = animation.At(from);
  frames.erase(At(frames, from));
  frames.insert(At(frames, to), std::move(moved));
  return Animation(std::move(frames), animation.DefaultDelay());
}

Animation ReverseFrames(const Animation& animation) {
  std::vector<Frame> frames = FramesOf(animation);
  std::ranges::reverse(frames);
  return Animation(std::move(frames), animation.DefaultDelay());
}

Animation WithDefaultDelay(const Animation& animation, int delay) {
  return Animation(FramesOf(animation), delay);
}

}  // namespace glyphgrid

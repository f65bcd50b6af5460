#pragma once

#include <memory>
#include <span>
#include <vector>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// An animation holds 1 to MaxFrames frames; each frame shows for 1 to 65,535 ms.
inline constexpr int MaxFrames = 10000;
inline constexpr int MinDelay = 1;
inline constexpr int MaxDelay = 65535;
inline constexpr int StartDefaultDelay = 100;

constexpr bool IsDelay(long long delay) {
  return delay >= MinDelay && delay <= MaxDelay;
}

// A pattern and how long it shows. Its contents are shared and never change, so copying a frame,
// or a whole animation for an undo step, costs a pointer a frame.
class Frame {
 public:
  explicit Frame(const LampMatrix& lamps = {}, int delay = StartDefaultDelay);

  const LampMatrix& Lamps() const { return contents_->lamps; }
  int Delay() const { return contents_->delay; }

  bool operator==(const Frame& other) const;

 private:
  struct Contents {
    LampMatrix lamps;
    int delay;
  };
  std::shared_ptr<const Contents> contents_;
};

// The frames in the order they play, with the delay that new frames take.
class Animation {
 public:
  // One blank frame.
  Animation();
  // `frames` holds 1 to MaxFrames frames and every delay is valid; the callers check.
  explicit Animation(std::vector<Frame> frames, int default_delay = StartDefaultDelay);

  int FrameCount() const { return static_cast<int>(frames_.size()); }
  std::span<const Frame> Frames() const { return frames_; }
  const Frame& At(int index) const;
  int DefaultDelay() const { return default_delay_; }

  bool operator==(const Animation&) const = default;

 private:
  std::vector<Frame> frames_;
  int default_delay_;
};

// The frame-list edits, pure functions of the animation; the other frames are shared. An edit that
// would leave no frame or more than MaxFrames gives the animation back unchanged.
// Frame `index` replaced.
Animation WithFrame(const Animation& animation, int index, Frame frame);
// A frame of `lamps` with the default delay, standing at `index` (0 to the frame count).
Animation InsertFrame(const Animation& animation, int index, const LampMatrix& lamps);
// A copy of frame `index` just after it.
Animation DuplicateFrame(const Animation& animation, int index);
Animation DeleteFrame(const Animation& animation, int index);
// Frame `from` taken out and put back at `to`.
Animation MoveFrame(const Animation& animation, int from, int to);
Animation ReverseFrames(const Animation& animation);
// New frames take `delay`; the frames there are keep theirs.
Animation WithDefaultDelay(const Animation& animation, int delay);

}  // namespace glyphgrid

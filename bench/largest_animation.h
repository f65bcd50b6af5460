#pragma once

#include <random>
#include <vector>

#include "core/animation.h"

namespace glyphgrid {

// The most an animation holds: MaxFrames frames of random lamps in all four colours, each with a
// random delay.
inline Animation LargestAnimation() {
  std::mt19937 random(7);
  std::vector<Frame> frames;
  for (int index = 0; index < MaxFrames; ++index) {
    LampMatrix lamps;
    for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
      lamps.SetColour(lamp, LampPalette[random() % 4]);
    }
    frames.emplace_back(lamps, 1 + static_cast<int>(random() % MaxDelay));
  }
  return Animation(std::move(frames));
}

}  // namespace glyphgrid

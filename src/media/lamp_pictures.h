#pragma once

#include <span>
#include <string>
#include <variant>

#include "core/animation.h"
#include "core/error.h"
#include "core/lamp_rendering.h"

namespace glyphgrid {

// An animated GIF holds no more pixels over all its frames, so that making one stays quick.
inline constexpr long long MaxGifPixels = 1LL << 28;

// The frames drawn as lamps in one PNG: one frame alone, or a sprite sheet of several.
std::variant<std::string, Error> LampSheetPng(std::span<const Frame> frames, int lamp_size,
                                              SheetLayout layout);

// The frames drawn as lamps in an animated GIF that loops, each showing for its delay.
std::variant<std::string, Error> LampAnimationGif(std::span<const Frame> frames, int lamp_size);

}  // namespace glyphgrid

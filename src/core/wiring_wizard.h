#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/error.h"
#include "core/lamp_matrix.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// The wiring wizard: a test pattern shown on the board through one profile, the user says which
// of its 8 pictures the board shows, and from that follows the profile with which the board
// shows every pattern the right way round.

// A board shows a picture as drawn or turned by quarter turns, each with or without a mirror.
inline constexpr int OrientationCount = 8;

// An "F" with its top-left corner marked: no turn or mirror maps it onto itself, and the corner
// tells the user at a glance where the top left went. On two colours the corner lamp is green
// and the F red, so that swapped colour planes show too.
LampMatrix WiringTestPattern(bool two_colours);

// Orientation 0 to 3: turned clockwise that many quarter turns; 4 to 7: mirrored left to right
// first, then turned the same.
LampMatrix Oriented(LampMatrix lamps, int orientation);

// How the dialog names each picture for a screen reader ("turned a quarter clockwise").
std::string OrientationName(int orientation);

// The profile that shows the test: `current` with planes the board can take: on one colour a
// single plane (red unless it writes green alone); on two colours its own two planes, or
// interleaved (the HT16K33's layout) when it writes one.
WiringProfile TestProfile(const WiringProfile& current, bool two_colours);

// On two colours, the other plane layout (interleaved or one plane after the other), for a board
// that showed none of the 8 pictures because its planes are laid out the other way.
WiringProfile OtherPlaneLayout(const WiringProfile& shown);

// What the user saw: which picture, and on two colours whether the corner lamp showed red.
struct WiringAnswer {
  int orientation = 0;
  bool colours_swapped = false;

  bool operator==(const WiringAnswer&) const = default;
};

// The profile with which the board shows the editor's picture the right way round, given the
// profile that showed the test and what the user saw: `shown` with scan, first, msb and planes
// changed. An error when no profile can (a board that takes each unit's red byte before its
// green one, a syntax with a fixed layout).
std::variant<WiringProfile, Error> FoundWiring(const WiringProfile& shown,
                                               const WiringAnswer& answer);

// What the board showed, typed or pasted as a grid: which of the test's pictures it is. On one
// colour only lit or dark counts. An error when the text is no grid or none of the pictures.
std::variant<WiringAnswer, Error> AnswerFromGrid(std::string_view grid, bool two_colours);

// The options that set what the wizard sets: "--scan rows --first top --msb left --planes red".
std::string WiringOptionsText(const WiringProfile& profile);

}  // namespace glyphgrid

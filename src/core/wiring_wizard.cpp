#include "core/wiring_wizard.h"

#include <array>
#include <cassert>

#include "core/grid_text.h"
#include "core/pattern_transforms.h"

namespace glyphgrid {

namespace {

constexpr std::string_view TestGrid =
    "R.......\n"
    "..RRRRR.\n"
    "..R.....\n"
    "..RRRR..\n"
    "..R.....\n"
    "..R.....\n"
    "..R.....\n"
    "........\n";

LampMatrix SwappedColours(LampMatrix lamps) {
  for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
    const LampColour colour = lamps.Colour(lamp);
    if (colour == LampRed || colour == LampGreen) {
      lamps.SetColour(lamp, colour == LampRed ? LampGreen : LampRed);
    }
  }
  return lamps;
}

LampMatrix LitLamps(LampMatrix lamps) {
  for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
    lamps.SetColour(lamp, IsLit(lamps.Colour(lamp)) ? LampRed : LampGrey);
  }
  return lamps;
}

// Where the orientation puts each lamp.
std::array<LampIndex, LampCount> Moves(int orientation) {
  std::array<LampIndex, LampCount> moves{};
  for (LampIndex from = 0; from < LampCount; ++from) {
    LampMatrix lamps;
    lamps.SetColour(from, LampRed);
    lamps = Oriented(lamps, orientation);
    for (LampIndex to = 0; to < LampCount; ++to) {
      if (lamps.Colour(to) == LampRed) {
        moves[from] = to;
      }
    }
  }
  return moves;
}

// The board shows bit b of unit u, sent through `shown`, where the orientation put lamp
// LampAt(shown, u, b). The profile it needs sends that lamp's own bit there instead.
bool Undoes(const WiringProfile& candidate, const WiringProfile& shown,
            const std::array<LampIndex, LampCount>& moves) {
  for (int unit = 0; unit < UnitsPerPlane; ++unit) {
    for (int bit = 0; bit < LampsPerRow; ++bit) {
      if (LampAt(candidate, unit, bit) != moves[LampAt(shown, unit, bit)]) {
        return false;
      }
    }
  }
  return true;
}

std::variant<Planes, Error> SwappedPlanes(Planes planes) {
  switch (planes) {
    case Planes::Red:
      return Planes::Green;
    case Planes::Green:
      return Planes::Red;
    case Planes::RedGreen:
      return Planes::GreenRed;
    case Planes::GreenRed:
      return Planes::RedGreen;
    case Planes::Interleaved:
      break;
  }
  return Error{Error::Kind::BadInput,
               "the board takes each unit's red byte before its green one, which no profile "
               "writes: change the firmware to swap them, or try one plane after the other"};
}

}  // namespace

LampMatrix WiringTestPattern(bool two_colours) {
  std::variant<LampMatrix, Error> parsed = ParseGrid(TestGrid);
  LampMatrix lamps = std::get<LampMatrix>(parsed);
  if (two_colours) {
    lamps.SetColour(LampCount - 1, LampGreen);
  }
  return lamps;
}

LampMatrix Oriented(LampMatrix lamps, int orientation) {
  assert(orientation >= 0 && orientation < OrientationCount);
  if (orientation >= 4) {
    FlipHorizontal(lamps);
  }
  for (int turn = 0; turn < orientation % 4; ++turn) {
    RotateClockwise(lamps);
  }
  return lamps;
}

std::string OrientationName(int orientation) {
  static constexpr std::string_view Turns[] = {
      "", "turned a quarter clockwise", "turned upside down", "turned a quarter anticlockwise"};
  const std::string_view turn = Turns[orientation % 4];
  if (orientation < 4) {
    return turn.empty() ? "as drawn" : std::string(turn);
  }
  return turn.empty() ? "mirrored left to right"
                      : "mirrored left to right, then " + std::string(turn);
}

WiringProfile TestProfile(const WiringProfile& current, bool two_colours) {
  WiringProfile profile = current;
  if (two_colours && PlaneCount(current.planes) == 1) {
    profile.planes = Planes::Interleaved;
  } else if (!two_colours && current.planes != Planes::Green) {
    profile.planes = Planes::Red;
  }
  return profile;
}

WiringProfile OtherPlaneLayout(const WiringProfile& shown) {
  WiringProfile profile = shown;
  profile.planes = shown.planes == Planes::Interleaved ? Planes::RedGreen : Planes::Interleaved;
  return profile;
}

std::variant<WiringProfile, Error> FoundWiring(const WiringProfile& shown,
                                               const WiringAnswer& answer) {
  WiringProfile found = shown;
  if (answer.colours_swapped) {
    std::variant<Planes, Error> planes = SwappedPlanes(shown.planes);
    if (const Error* error = std::get_if<Error>(&planes)) {
      return *error;
    }
    found.planes = std::get<Planes>(planes);
  }
  const std::array<LampIndex, LampCount> moves = Moves(answer.orientation);
  for (const OptionValue<Scan>& scan : ScanValues) {
    for (Side first : FirstSides(scan.value)) {
      for (Side msb : MsbSides(scan.value)) {
        found.scan = scan.value;
        found.first = first;
        found.msb = msb;
        if (Undoes(found, shown, moves)) {
          if (std::optional<Error> error = CheckProfile(found)) {
            return Error{Error::Kind::BadInput, "the board needs " + WiringOptionsText(found) +
                                                    ", which the profile's other settings do "
                                                    "not allow: " +
                                                    error->message};
          }
          return found;
        }
      }
    }
  }
  // The eight scan orders are the eight orientations of one another, so one of them undoes any.
  assert(false);
  return Error{Error::Kind::BadInput, "no profile undoes that picture"};
}

std::variant<WiringAnswer, Error> AnswerFromGrid(std::string_view grid, bool two_colours) {
  std::variant<LampMatrix, Error> parsed = ParseGrid(grid);
  if (const Error* error = std::get_if<Error>(&parsed)) {
    return *error;
  }
  const LampMatrix test = WiringTestPattern(two_colours);
  const LampMatrix seen =
      two_colours ? std::get<LampMatrix>(parsed) : LitLamps(std::get<LampMatrix>(parsed));
  for (bool swapped : {false, true}) {
    for (int orientation = 0; orientation < OrientationCount; ++orientation) {
      if (Oriented(swapped ? SwappedColours(test) : test, orientation) == seen) {
        return WiringAnswer{orientation, swapped};
      }
    }
  }
  return Error{Error::Kind::BadInput,
               "that grid is none of the 8 pictures of the test pattern: paste the 8 rows the "
               "board showed, top row first"};
}

std::string WiringOptionsText(const WiringProfile& profile) {
  return "--scan " + std::string(NameOf(ScanValues, profile.scan)) + " --first " +
         std::string(NameOf(SideValues, profile.first)) + " --msb " +
         std::string(NameOf(SideValues, profile.msb)) + " --planes " +
         std::string(NameOf(PlanesValues, profile.planes));
}

}  // namespace glyphgrid

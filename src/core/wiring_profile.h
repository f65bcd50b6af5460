#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "core/lamp_matrix.h"

namespace glyphgrid {

// How the bits of an exported pattern map to lamps: a profile is data, and every board or
// language layout is one set of these values. A unit is one byte: the eight lamps of one lamp
// column or one lamp row of one colour plane.
enum class Scan { Columns, Rows };

// `first` names the unit that comes first (left or right for columns, top or bottom for rows);
// `msb` names the lamp of a unit that is its most significant bit (bottom or top for columns,
// left or right for rows).
enum class Side { Left, Right, Top, Bottom };

// Which colour planes are written and in which order. Interleaved is the HT16K33's display RAM:
// for each unit its green byte, then its red byte.
enum class Planes { Red, Green, RedGreen, GreenRed, Interleaved };

// CUint64 writes each frame as one 64-bit value; UnoR4 writes the Arduino UNO R4's 12 x 8 matrix.
enum class Syntax {
  BasicBinary,
  BasicHex,
  BasicDecimal,
  CHex,
  CBinary,
  Python,
  Hex,
  CUint64,
  UnoR4
};

// A lamp's bit is 1 in the red plane when it carries red (red or orange), in the green plane
// when it carries green (green or orange).
enum class Plane { Red, Green };

struct WiringProfile {
  Scan scan = Scan::Columns;
  Side first = Side::Left;
  Side msb = Side::Bottom;
  Planes planes = Planes::Red;
  bool invert = false;  // 0 for a lit lamp (common-anode boards); the zero unit stays 0
  Syntax syntax = Syntax::BasicBinary;
  bool zero = true;              // one more unit, always 0, after the planes
  std::string name = "pattern";  // the identifier of the c-* and python syntaxes
  // C syntaxes only. A header any number of units can include, and include twice: an include
  // guard, <stdint.h> and a static array.
  bool header = false;
  // C syntaxes only. The array in an AVR's flash memory (PROGMEM, <avr/pgmspace.h>), not in its
  // few kilobytes of RAM.
  bool progmem = false;
  // With several frames (and always for c-uint64 and uno-r4), each frame's delay is written too.
  bool delays = true;
  // uno-r4 only: the matrix column where the pattern's left column stands.
  int offset = 2;

  bool operator==(const WiringProfile&) const = default;
};

inline constexpr std::string_view DefaultProfileName = "pattern";

// The UNO R4 matrix is 12 lamps wide, so the 8 x 8 pattern stands at columns 0 to 4 of it.
inline constexpr int DefaultOffset = 2;
inline constexpr int MaxOffset = 4;

// C guarantees 63 significant characters in a name; a longer one is refused, so that no setting
// or argument can make a message, a preview or an export huge.
inline constexpr std::size_t MaxNameLength = 63;

// The names that options, settings and the command line give each value.
template <typename T>
struct OptionValue {
  T value;
  std::string_view name;
};

inline constexpr OptionValue<Scan> ScanValues[] = {{Scan::Columns, "columns"},
                                                   {Scan::Rows, "rows"}};
inline constexpr OptionValue<Side> SideValues[] = {
    {Side::Left, "left"}, {Side::Right, "right"}, {Side::Top, "top"}, {Side::Bottom, "bottom"}};
inline constexpr OptionValue<Planes> PlanesValues[] = {{Planes::Red, "red"},
                                                       {Planes::Green, "green"},
                                                       {Planes::RedGreen, "red,green"},
                                                       {Planes::GreenRed, "green,red"},
                                                       {Planes::Interleaved, "interleaved"}};
inline constexpr OptionValue<Syntax> SyntaxValues[] = {{Syntax::BasicBinary, "basic-binary"},
                                                       {Syntax::BasicHex, "basic-hex"},
                                                       {Syntax::BasicDecimal, "basic-decimal"},
                                                       {Syntax::CHex, "c-hex"},
                                                       {Syntax::CBinary, "c-binary"},
                                                       {Syntax::Python, "python"},
                                                       {Syntax::Hex, "hex"},
                                                       {Syntax::CUint64, "c-uint64"},
                                                       {Syntax::UnoR4, "uno-r4"}};
inline constexpr OptionValue<bool> YesNoValues[] = {{true, "yes"}, {false, "no"}};

template <typename T, std::size_t N>
constexpr std::string_view NameOf(const OptionValue<T> (&values)[N], T value) {
  for (const OptionValue<T>& entry : values) {
    if (entry.value == value) {
      return entry.name;
    }
  }
  return {};
}

template <typename T, std::size_t N>
constexpr std::optional<T> ValueNamed(const OptionValue<T> (&values)[N], std::string_view name) {
  for (const OptionValue<T>& entry : values) {
    if (entry.name == name) {
      return entry.value;
    }
  }
  return std::nullopt;
}

template <typename T, std::size_t N>
std::vector<std::string_view> NamesOf(const OptionValue<T> (&values)[N]) {
  std::vector<std::string_view> names;
  for (const OptionValue<T>& entry : values) {
    names.push_back(entry.name);
  }
  return names;
}

// The two sides `first` may name with this scan, and the two `msb` may name, in the order the
// options list them.
std::array<Side, 2> FirstSides(Scan scan);
std::array<Side, 2> MsbSides(Scan scan);

// "a, b or c".
std::string Alternatives(std::span<const std::string_view> names);

// A C and Python identifier: a letter or "_", then letters, digits or "_".
bool IsIdentifier(std::string_view name);

bool IsCSyntax(Syntax syntax);
bool IsBasicSyntax(Syntax syntax);
// c-uint64 and uno-r4 write whole frames as wide words, not a byte a unit.
bool IsWordSyntax(Syntax syntax);

// Nothing when every value fits the others; otherwise what does not, naming each option with
// `option_prefix` before it ("--" on the command line). The name must be an identifier of at most
// MaxNameLength characters that no syntax reserves; header and progmem go with C syntaxes only;
// c-uint64 needs 8 units of one plane and no zero unit, uno-r4 its own preset's layout; the
// offset is uno-r4's alone.
std::optional<Error> CheckProfile(const WiringProfile& profile,
                                  std::string_view option_prefix = "");

inline constexpr int UnitsPerPlane = LampsPerRow;
// Two planes and the zero unit.
inline constexpr int MaxUnitCount = 2 * UnitsPerPlane + 1;

// How many planes the profile writes (1 or 2), and how many units in all.
int PlaneCount(Planes planes);
int UnitCount(const WiringProfile& profile);

// Where unit `unit_of_plane` (0..7) of `plane` stands among the profile's units, or nothing when
// the profile does not write that plane.
std::optional<int> UnitPosition(Planes planes, Plane plane, int unit_of_plane);

// The lamp that bit `bit` (0 = least significant) of unit `unit_of_plane` of a plane shows.
LampIndex LampAt(const WiringProfile& profile, int unit_of_plane, int bit);

// Which unit of the whole export and which bit of it a lamp is in one plane; nothing when the
// profile does not write that plane.
struct BitPosition {
  int unit;
  int bit;

  bool operator==(const BitPosition&) const = default;
};
std::optional<BitPosition> LampBit(const WiringProfile& profile, LampIndex lamp, Plane plane);

}  // namespace glyphgrid

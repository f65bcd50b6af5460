#include "core/wiring_profile.h"

#include <algorithm>

#include "core/export_tokens.h"
#include "core/identifier_chars.h"
#include "core/reserved_names.h"

namespace glyphgrid {

namespace {

// "--first 'top'", when the side is not one of the two the scan allows.
std::optional<std::string> Misfit(std::string_view option, Side side, std::array<Side, 2> allowed,
                                  std::string_view prefix) {
  if (std::ranges::find(allowed, side) != allowed.end()) {
    return std::nullopt;
  }
  return std::string(prefix) + std::string(option) + " '" + std::string(NameOf(SideValues, side)) +
         "'";
}

std::string AllowedSides(std::array<Side, 2> allowed) {
  const std::string_view names[] = {NameOf(SideValues, allowed[0]), NameOf(SideValues, allowed[1])};
  return Alternatives(names);
}

}  // namespace

std::array<Side, 2> FirstSides(Scan scan) {
  return scan == Scan::Columns ? std::array{Side::Left, Side::Right}
                               : std::array{Side::Top, Side::Bottom};
}

std::array<Side, 2> MsbSides(Scan scan) {
  return scan == Scan::Columns ? std::array{Side::Bottom, Side::Top}
                               : std::array{Side::Left, Side::Right};
}

std::string Alternatives(std::span<const std::string_view> names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) {
      text += i + 1 == names.size() ? " or " : ", ";
    }
    text += names[i];
  }
  return text;
}

bool IsIdentifier(std::string_view name) {
  return !name.empty() && IsIdentifierStart(name.front()) &&
         std::ranges::all_of(name, IsIdentifierPart);
}

std::optional<Error> CheckProfile(const WiringProfile& profile, std::string_view option_prefix) {
  const std::array<Side, 2> firsts = FirstSides(profile.scan);
  const std::array<Side, 2> msbs = MsbSides(profile.scan);
  const std::optional<std::string> first = Misfit("first", profile.first, firsts, option_prefix);
  const std::optional<std::string> msb = Misfit("msb", profile.msb, msbs, option_prefix);
  if (first || msb) {
    const std::string prefix(option_prefix);
    std::string misfits = (first ? *first : *msb) + " does";
    std::string expected = AllowedSides(first ? firsts : msbs);
    if (first && msb) {
      misfits = *first + " and " + *msb + " do";
      expected = prefix + "first " + expected + ", " + prefix + "msb " + AllowedSides(msbs);
    }
    return Error{Error::Kind::BadInput, misfits + " not go with " + prefix + "scan " +
                                            std::string(NameOf(ScanValues, profile.scan)) +
                                            " (expected " + expected + ")"};
  }
  const std::string name = std::string(option_prefix) + "name " + ShownToken(profile.name);
  if (!IsIdentifier(profile.name)) {
    return Error{
        Error::Kind::BadInput,
        name + " is not an identifier (expected a letter or _, then letters, digits or _)"};
  }
  if (profile.name.size() > MaxNameLength) {
    return Error{Error::Kind::BadInput,
                 name + " is longer than " + std::to_string(MaxNameLength) + " characters"};
  }
  if (const std::optional<std::string_view> reason = ReservedNameReason(profile.name)) {
    return Error{Error::Kind::BadInput, name + " is " + std::string(*reason)};
  }
  const std::string prefix(option_prefix);
  const std::string syntax = prefix + "syntax " + std::string(NameOf(SyntaxValues, profile.syntax));
  if ((profile.header || profile.progmem) && !IsCSyntax(profile.syntax)) {
    return Error{Error::Kind::BadInput, prefix + (profile.header ? "header" : "progmem") +
                                            " makes C code: it goes with " + prefix +
                                            "syntax c-hex, c-binary, c-uint64 or uno-r4, not " +
                                            std::string(NameOf(SyntaxValues, profile.syntax))};
  }
  if (profile.offset < 0 || profile.offset > MaxOffset) {
    return Error{Error::Kind::BadInput, prefix + "offset " + std::to_string(profile.offset) +
                                            " is outside 0 to " + std::to_string(MaxOffset) +
                                            " (the 8 columns stand inside the 12 of the matrix)"};
  }
  if (profile.offset != DefaultOffset && profile.syntax != Syntax::UnoR4) {
    return Error{Error::Kind::BadInput,
                 prefix + "offset places the pattern on the UNO R4 matrix: " + "it goes with " +
                     prefix + "syntax uno-r4, not " +
                     std::string(NameOf(SyntaxValues, profile.syntax))};
  }
  if (profile.syntax == Syntax::CUint64 && (PlaneCount(profile.planes) != 1 || profile.zero)) {
    return Error{Error::Kind::BadInput,
                 syntax + " writes the 8 units of a frame as one 64-bit value: it needs " + prefix +
                     "planes red or green and " + prefix + "zero no"};
  }
  if (profile.syntax == Syntax::UnoR4) {
    const bool layout = profile.scan == Scan::Rows && profile.first == Side::Top &&
                        profile.msb == Side::Left && profile.planes == Planes::Red &&
                        !profile.invert && !profile.zero;
    if (!layout) {
      return Error{Error::Kind::BadInput,
                   syntax +
                       " writes the matrix's own layout, lit lamps of the red plane from the " +
                       "top left: it needs " + prefix + "scan rows, " + prefix + "first top, " +
                       prefix + "msb left, " + prefix + "planes red, " + prefix +
                       "zero no and no " + prefix + "invert (use " + prefix + "profile uno-r4)"};
    }
    if (profile.progmem) {
      return Error{Error::Kind::BadInput,
                   prefix +
                       "progmem is for AVR boards; the UNO R4 keeps constants in flash "
                       "already: it does not go with " +
                       syntax};
    }
    if (!profile.delays) {
      return Error{Error::Kind::BadInput, prefix + "delays no does not go with " + syntax +
                                              ": each frame's fourth word is its delay"};
    }
  }
  return std::nullopt;
}

bool IsCSyntax(Syntax syntax) {
  return syntax == Syntax::CHex || syntax == Syntax::CBinary || IsWordSyntax(syntax);
}

bool IsBasicSyntax(Syntax syntax) {
  return syntax == Syntax::BasicBinary || syntax == Syntax::BasicHex ||
         syntax == Syntax::BasicDecimal;
}

bool IsWordSyntax(Syntax syntax) {
  return syntax == Syntax::CUint64 || syntax == Syntax::UnoR4;
}

int PlaneCount(Planes planes) {
  return planes == Planes::Red || planes == Planes::Green ? 1 : 2;
}

int UnitCount(const WiringProfile& profile) {
  return PlaneCount(profile.planes) * UnitsPerPlane + (profile.zero ? 1 : 0);
}

std::optional<int> UnitPosition(Planes planes, Plane plane, int unit_of_plane) {
  const bool red = plane == Plane::Red;
  switch (planes) {
    case Planes::Red:
      return red ? std::optional(unit_of_plane) : std::nullopt;
    case Planes::Green:
      return red ? std::nullopt : std::optional(unit_of_plane);
    case Planes::RedGreen:
      return unit_of_plane + (red ? 0 : UnitsPerPlane);
    case Planes::GreenRed:
      return unit_of_plane + (red ? UnitsPerPlane : 0);
    case Planes::Interleaved:
      return 2 * unit_of_plane + (red ? 1 : 0);
  }
  return std::nullopt;
}

LampIndex LampAt(const WiringProfile& profile, int unit_of_plane, int bit) {
  const int last = LampsPerRow - 1;
  // Lamp columns count from the right and lamp rows from the bottom.
  if (profile.scan == Scan::Columns) {
    const int column = profile.first == Side::Left ? last - unit_of_plane : unit_of_plane;
    const int row = profile.msb == Side::Bottom ? last - bit : bit;
    return LampIndexOf(row, column);
  }
  const int row = profile.first == Side::Top ? last - unit_of_plane : unit_of_plane;
  const int column = profile.msb == Side::Left ? bit : last - bit;
  return LampIndexOf(row, column);
}

std::optional<BitPosition> LampBit(const WiringProfile& profile, LampIndex lamp, Plane plane) {
  for (int unit = 0; unit < UnitsPerPlane; ++unit) {
    for (int bit = 0; bit < LampsPerRow; ++bit) {
      if (LampAt(profile, unit, bit) == lamp) {
        const std::optional<int> position = UnitPosition(profile.planes, plane, unit);
        return position ? std::optional(BitPosition{*position, bit}) : std::nullopt;
      }
    }
  }
  return std::nullopt;
}

}  // namespace glyphgrid

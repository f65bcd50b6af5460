#include "core/profile_export.h"

#include "core/lamp_colour.h"

namespace glyphgrid {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

int Base(Syntax syntax) {
  switch (syntax) {
    case Syntax::BasicBinary:
    case Syntax::CBinary:
      return 2;
    case Syntax::BasicDecimal:
      return 10;
    default:
      return 16;
  }
}

std::string_view LiteralPrefix(Syntax syntax) {
  switch (syntax) {
    case Syntax::BasicBinary:
      return "&B";
    case Syntax::BasicHex:
      return "&H";
    case Syntax::CHex:
    case Syntax::Python:
      return "0x";
    case Syntax::CBinary:
      return "0b";
    default:
      return "";
  }
}

std::string Opening(const WiringProfile& profile, std::size_t count) {
  switch (profile.syntax) {
    case Syntax::BasicBinary:
    case Syntax::BasicHex:
    case Syntax::BasicDecimal:
      return "DATA ";
    case Syntax::CHex:
    case Syntax::CBinary:
      return "const uint8_t " + profile.name + "[" + std::to_string(count) + "] = {";
    case Syntax::Python:
      return profile.name + " = bytes([";
    case Syntax::Hex:
      break;
  }
  return "";
}

std::string_view Closing(Syntax syntax) {
  switch (syntax) {
    case Syntax::CHex:
    case Syntax::CBinary:
      return "};";
    case Syntax::Python:
      return "])";
    default:
      return "";
  }
}

std::string Digits(std::uint8_t unit, int base) {
  if (base == 10) {
    return std::to_string(unit);
  }
  if (base == 16) {
    return {HexDigits[unit >> 4], HexDigits[unit & 0xF]};
  }
  std::string digits(LampsPerRow, '0');
  for (int bit = 0; bit < LampsPerRow; ++bit) {
    if (unit & (1 << bit)) {
      digits[static_cast<std::size_t>(LampsPerRow - 1 - bit)] = '1';
    }
  }
  return digits;
}

bool InPlane(LampColour colour, Plane plane) {
  return plane == Plane::Red ? HasRed(colour) : HasGreen(colour);
}

}  // namespace

std::vector<std::uint8_t> ExportUnits(const LampMatrix& lamps, const WiringProfile& profile) {
  std::vector<std::uint8_t> units(static_cast<std::size_t>(UnitCount(profile)), 0);
  for (const Plane plane : {Plane::Red, Plane::Green}) {
    for (int unit = 0; unit < UnitsPerPlane; ++unit) {
      const std::optional<int> position = UnitPosition(profile.planes, plane, unit);
      if (!position) {
        break;
      }
      int value = 0;
      for (int bit = 0; bit < LampsPerRow; ++bit) {
        if (InPlane(lamps.Colour(LampAt(profile, unit, bit)), plane)) {
          value |= 1 << bit;
        }
      }
      units[static_cast<std::size_t>(*position)] =
          static_cast<std::uint8_t>(profile.invert ? ~value : value);
    }
  }
  return units;
}

ExportedText ExportPattern(const LampMatrix& lamps, const WiringProfile& profile) {
  const std::vector<std::uint8_t> units = ExportUnits(lamps, profile);
  const std::string_view prefix = LiteralPrefix(profile.syntax);
  const std::string_view separator = profile.syntax == Syntax::Hex ? " " : ", ";
  ExportedText exported{Opening(profile, units.size()), {}};
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (i > 0) {
      exported.text += separator;
    }
    exported.text += prefix;
    const std::string digits = Digits(units[i], Base(profile.syntax));
    exported.units.push_back({exported.text.size(), digits.size()});
    exported.text += digits;
  }
  exported.text += Closing(profile.syntax);
  return exported;
}

std::string ExportText(const LampMatrix& lamps, const WiringProfile& profile) {
  return ExportPattern(lamps, profile).text;
}

TextSpan BitDigits(const ExportedText& exported, Syntax syntax, BitPosition position) {
  const TextSpan unit = exported.units.at(static_cast<std::size_t>(position.unit));
  switch (Base(syntax)) {
    case 2:
      return {unit.start + static_cast<std::size_t>(LampsPerRow - 1 - position.bit), 1};
    case 16:
      return {unit.start + (position.bit >= 4 ? 0 : 1), 1};
    default:
      return unit;
  }
}

}  // namespace glyphgrid

#include "core/profile_export.h"

#include "core/animation_export.h"
#include "core/lamp_colour.h"
#include "core/profile_presets.h"

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

// A plain array compiles as one file; a header is static behind a guard so that any number of
// units may include it, any number of times.
std::string COpening(const WiringProfile& profile, std::size_t count) {
  std::string text;
  if (profile.header) {
    const std::string guard = IncludeGuard(profile.name);
    text += "#ifndef " + guard + "\n#define " + guard + "\n#include <stdint.h>\n";
  }
  if (profile.progmem) {
    text += "#include <avr/pgmspace.h>\n// In flash memory: read a byte with pgm_read_byte(&" +
            profile.name + "[i]).\n";
  }
  return text + (profile.header ? "static const uint8_t " : "const uint8_t ") + profile.name + "[" +
         std::to_string(count) + "]" + (profile.progmem ? " PROGMEM" : "") + " = {";
}

std::string Opening(const WiringProfile& profile, std::size_t count) {
  switch (profile.syntax) {
    case Syntax::BasicBinary:
    case Syntax::BasicHex:
    case Syntax::BasicDecimal:
      return "DATA ";
    case Syntax::CHex:
    case Syntax::CBinary:
      return COpening(profile, count);
    case Syntax::Python:
      return profile.name + " = bytes([";
    case Syntax::Hex:
    case Syntax::CUint64:
    case Syntax::UnoR4:
      break;
  }
  return "";
}

std::string_view Closing(const WiringProfile& profile) {
  switch (profile.syntax) {
    case Syntax::CHex:
    case Syntax::CBinary:
      return profile.header ? "};\n#endif" : "};";
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

// HEART_H for heart; leading underscores left out, as names starting with _ and a capital are
// the compiler's (PATTERN_H for a name of underscores alone).
std::string IncludeGuard(std::string_view name) {
  const std::size_t start = name.find_first_not_of('_');
  std::string guard(start == std::string_view::npos ? DefaultProfileName : name.substr(start));
  for (char& c : guard) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return guard + "_H";
}

void AppendUnits(ExportedText& exported, std::span<const std::uint8_t> units, Syntax syntax,
                 bool marked) {
  const std::string_view prefix = LiteralPrefix(syntax);
  const std::string_view separator = syntax == Syntax::Hex ? " " : ", ";
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (i > 0) {
      exported.text += separator;
    }
    exported.text += prefix;
    const std::string digits = Digits(units[i], Base(syntax));
    if (marked) {
      exported.units.push_back({exported.text.size(), digits.size()});
    }
    exported.text += digits;
  }
}

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
  if (IsWordSyntax(profile.syntax)) {
    return ExportAnimationText(Animation({Frame(lamps)}), profile);
  }
  const std::vector<std::uint8_t> units = ExportUnits(lamps, profile);
  ExportedText exported{Opening(profile, units.size()), {}};
  AppendUnits(exported, units, profile.syntax, true);
  exported.text += Closing(profile);
  return exported;
}

std::string ExportText(const LampMatrix& lamps, const WiringProfile& profile) {
  return ExportPattern(lamps, profile).text;
}

std::optional<std::string> LeftOutColours(const LampMatrix& lamps, const WiringProfile& profile) {
  if (PlaneCount(profile.planes) == 2) {
    return std::nullopt;
  }
  const Plane kept = profile.planes == Planes::Red ? Plane::Red : Plane::Green;
  const Plane left_out = kept == Plane::Red ? Plane::Green : Plane::Red;
  int count = 0;
  for (LampIndex i = 0; i < LampCount; ++i) {
    count += InPlane(lamps.Colour(i), left_out) ? 1 : 0;
  }
  if (count == 0) {
    return std::nullopt;
  }
  const auto colour = [](Plane plane) { return plane == Plane::Red ? "red" : "green"; };
  return ProfileLabel(profile) + " writes the " + colour(kept) + " plane only: the " +
         colour(left_out) + " of " + std::to_string(count) + (count == 1 ? " lamp" : " lamps") +
         " is left out";
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

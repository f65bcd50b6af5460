#include "core/animation_export.h"

#include <cstdio>

namespace glyphgrid {

namespace {

std::string Declaration(const WiringProfile& profile, std::string_view type,
                        const std::string& name, const std::string& sizes) {
  return std::string(profile.header ? "static const " : "const ") + std::string(type) + " " + name +
         sizes + (profile.progmem ? " PROGMEM" : "") + " = ";
}

std::string Size(int count) {
  return "[" + std::to_string(count) + "]";
}

std::string Hex(std::uint64_t value, int digits) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
  return text;
}

std::uint64_t Packed(std::span<const std::uint8_t> units) {
  std::uint64_t value = 0;
  for (std::size_t k = 0; k < units.size(); ++k) {
    value |= static_cast<std::uint64_t>(units[k]) << (8 * k);
  }
  return value;
}

// "80, 80, 400".
std::string DelayList(const Animation& animation) {
  std::string text;
  for (const Frame& frame : animation.Frames()) {
    if (!text.empty()) {
      text += ", ";
    }
    text += std::to_string(frame.Delay());
  }
  return text;
}

// The array of frames and, when written, the delays' array, with the header's guard and the
// flash memory's include around them.
void AppendC(ExportedText& exported, const Animation& animation, const WiringProfile& profile,
             int marked) {
  const int count = animation.FrameCount();
  const bool delays = WritesDelays(profile, count);
  const std::string delays_name = profile.name + "_delays";
  std::string& text = exported.text;
  if (profile.header) {
    const std::string guard = IncludeGuard(profile.name);
    text += "#ifndef " + guard + "\n#define " + guard + "\n#include <stdint.h>\n";
  }
  if (profile.progmem) {
    text += "#include <avr/pgmspace.h>\n// In flash memory: read ";
    text += profile.syntax == Syntax::CUint64
                ? "a frame with memcpy_P(&frame, &" + profile.name + "[f], 8)"
                : "a byte with pgm_read_byte(&" + profile.name + "[f][i])";
    text += delays ? ", a delay with pgm_read_word(&" + delays_name + "[f]).\n" : ".\n";
  }
  const bool words = profile.syntax == Syntax::CUint64;
  const bool matrix = profile.syntax == Syntax::UnoR4;
  const int units = UnitCount(profile);
  text += Declaration(profile,
                      words    ? "uint64_t"
                      : matrix ? "uint32_t"
                               : "uint8_t",
                      profile.name,
                      Size(count) + (words ? "" : Size(matrix ? MatrixWords + 1 : units))) +
          "{\n";
  for (int index = 0; index < count; ++index) {
    const Frame& frame = animation.At(index);
    const std::vector<std::uint8_t> values = ExportUnits(frame.Lamps(), profile);
    text += "  ";
    if (words) {
      text += Hex(Packed(values), 16) + "ULL";
    } else if (matrix) {
      text += "{";
      for (const std::uint32_t word : MatrixFrame(values, profile.offset)) {
        text += Hex(word, 8) + ", ";
      }
      text += std::to_string(frame.Delay()) + "}";
    } else {
      text += "{";
      AppendUnits(exported, values, profile.syntax, index == marked);
      text += "}";
    }
    text += ",\n";
  }
  text += "};";
  if (delays && !matrix) {
    text += "\n" + Declaration(profile, "uint16_t", delays_name, Size(count)) + "{" +
            DelayList(animation) + "};";
  }
  if (profile.header) {
    text += "\n#endif";
  }
}

}  // namespace

MatrixWordsOf MatrixFrame(std::span<const std::uint8_t> units, int offset) {
  MatrixWordsOf words{};
  for (int row = 0; row < LampsPerRow; ++row) {
    for (int column = 0; column < LampsPerRow; ++column) {
      if ((units[static_cast<std::size_t>(row)] >> (LampsPerRow - 1 - column)) & 1) {
        const int lamp = MatrixColumns * row + offset + column;
        words[static_cast<std::size_t>(lamp / 32)] |= 1u << (31 - lamp % 32);
      }
    }
  }
  return words;
}

bool WritesDelays(const WiringProfile& profile, int frame_count) {
  return profile.delays && profile.syntax != Syntax::Hex &&
         (frame_count > 1 || IsWordSyntax(profile.syntax));
}

ExportedText ExportAnimationText(const Animation& animation, const WiringProfile& profile,
                                 int marked) {
  const int count = animation.FrameCount();
  if (count == 1 && !IsWordSyntax(profile.syntax)) {
    return ExportPattern(animation.At(0).Lamps(), profile);
  }
  ExportedText exported;
  // Room for the longest literals (0b and eight digits, a comma and a blank) of every frame.
  exported.text.reserve(static_cast<std::size_t>(count) *
                            static_cast<std::size_t>(UnitCount(profile) * 12 + 16) +
                        static_cast<std::size_t>(count) * 7 + 256);
  if (IsCSyntax(profile.syntax)) {
    AppendC(exported, animation, profile, marked);
    return exported;
  }
  const bool python = profile.syntax == Syntax::Python;
  const bool basic = IsBasicSyntax(profile.syntax);
  std::string& text = exported.text;
  if (python) {
    text += profile.name + " = [\n";
  }
  for (int index = 0; index < count; ++index) {
    if (index > 0 && !python) {
      text += "\n";
    }
    text += python ? "    bytes([" : basic ? "DATA " : "";
    AppendUnits(exported, ExportUnits(animation.At(index).Lamps(), profile), profile.syntax,
                index == marked);
    text += python ? "]),\n" : "";
  }
  if (python) {
    text += "]";
  }
  if (WritesDelays(profile, count)) {
    text += python ? "\n" + profile.name + "_delays = [" + DelayList(animation) + "]"
                   : "\nREM DELAYS " + DelayList(animation);
  }
  return exported;
}

std::string ExportAnimation(const Animation& animation, const WiringProfile& profile) {
  return ExportAnimationText(animation, profile).text;
}

std::string ExportFileText(std::string_view exported, Syntax syntax) {
  const bool basic = IsBasicSyntax(syntax);
  std::string text;
  text.reserve(exported.size() + 2);
  for (const char c : std::string(exported) + "\n") {
    if (basic && c == '\n') {
      text += '\r';
    }
    text += c;
  }
  return text;
}

}  // namespace glyphgrid

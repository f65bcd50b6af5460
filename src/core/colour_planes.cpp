#include "core/colour_planes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace glyphgrid {

namespace {

enum class Plane { Red, Green };

constexpr std::string_view UnusedLiterals = ", &B00000000, &B00000000, &B00000000";

constexpr std::array<bool, 256> SeparatorTable = [] {
  std::array<bool, 256> table{};
  for (const char separator : std::string_view("&B, ")) {
    table[static_cast<unsigned char>(separator)] = true;
  }
  return table;
}();

constexpr bool IsSeparator(char character) {
  return SeparatorTable[static_cast<unsigned char>(character)];
}

// A run of separators longer than this is remembered once walked, and a later pass that lands in
// it jumps to its end. Passes start in ascending order, so they land in a run at or after where
// an earlier one did: no long run is walked twice, where a text of nothing but separators would
// otherwise be walked once by each of the 16 passes.
constexpr std::size_t LongRun = 64;

class LongRuns {
 public:
  // The end of the run of separators that starts at or takes in `from`.
  std::size_t Skip(std::string_view text, std::size_t from) {
    for (std::size_t i = 0; i < count_; ++i) {
      if (runs_[i].from <= from && from < runs_[i].to) {
        return runs_[i].to;
      }
    }
    std::size_t to = from;
    while (to < text.size() && IsSeparator(text[to])) {
      ++to;
    }
    if (count_ < runs_.size()) {
      runs_[count_++] = {from, to};
    }
    return to;
  }

 private:
  struct Run {
    std::size_t from;
    std::size_t to;
  };
  // Each of the 16 passes walks at most 9 runs: before each of its 8 lamps, and after the last.
  std::array<Run, 16 * 9> runs_;
  std::size_t count_ = 0;
};

// Written without branches on the digit: digits in a text follow no pattern a processor could
// predict.
template <Plane plane>
void ApplyDigit(bool one, LampIndex lamp, LampMatrix& lamps) {
  if constexpr (plane == Plane::Red) {
    lamps.SetColour(lamp, one ? LampRed : LampGrey);
  } else {
    const LampColour colour = lamps.Colour(lamp);
    const LampColour lit = colour == LampRed ? LampOrange : colour == LampGrey ? LampGreen : colour;
    lamps.SetColour(lamp, one ? lit : colour);
  }
}

// Past the end of the text every character is empty and changes nothing, so the walk can stop.
template <Plane plane>
void RunPass(std::string_view text, LongRuns& long_runs, std::size_t position, int column,
             LampMatrix& lamps) {
  // The usual window, "&B" and eight digits, is read in one go.
  constexpr std::size_t LiteralLength = 2 + LampsPerRow;
  if (text.size() - std::min(position, text.size()) >= LiteralLength && text[position] == '&' &&
      text[position + 1] == 'B') {
    const char* digits = text.data() + position + 2;
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, digits, sizeof bytes);
    // Every byte "0" (0x30) or "1" (0x31).
    constexpr std::uint64_t EveryByte = 0x0101010101010101;
    if ((bytes & ~EveryByte) == 0x30 * EveryByte) {
      for (int row = 0; row < LampsPerRow; ++row) {
        ApplyDigit<plane>(digits[row] == '1', LampIndexOf(row, column), lamps);
      }
      return;
    }
  }
  for (int row = 0; row < LampsPerRow; ++row) {
    const std::size_t run_from = position;
    while (position < text.size() && IsSeparator(text[position])) {
      if (++position - run_from == LongRun) {
        position = long_runs.Skip(text, run_from);
        break;
      }
    }
    if (position >= text.size()) {
      return;
    }
    const char character = text[position++];
    if (character == '0' || character == '1') {
      ApplyDigit<plane>(character == '1', LampIndexOf(row, column), lamps);
    }
  }
}

void AppendPlaneLine(std::string& text, const LampMatrix& lamps, int column,
                     bool (*in_plane)(LampColour)) {
  text += "&B";
  for (int row = 0; row < LampsPerRow; ++row) {
    text += in_plane(lamps.Colour(LampIndexOf(row, column))) ? '1' : '0';
  }
  text += UnusedLiterals;
  text += "\r\n";
}

}  // namespace

void ApplyColourPlanes(std::string_view text, LampMatrix& lamps) {
  LongRuns long_runs;
  for (int pair = 0; pair < LampsPerRow; ++pair) {
    const int column = LampsPerRow - 1 - pair;
    const std::size_t red_start = 2 * ColourPlaneWindowLength * static_cast<std::size_t>(pair);
    RunPass<Plane::Red>(text, long_runs, red_start, column, lamps);
    RunPass<Plane::Green>(text, long_runs, red_start + ColourPlaneWindowLength, column, lamps);
  }
}

std::string ColourPlaneText(const LampMatrix& lamps) {
  std::string text;
  text.reserve(ColourPlaneTextLength);
  for (int column = LampsPerRow - 1; column >= 0; --column) {
    AppendPlaneLine(text, lamps, column, HasRed);
    AppendPlaneLine(text, lamps, column, HasGreen);
  }
  return text;
}

}  // namespace glyphgrid

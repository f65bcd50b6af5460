#include "core/pattern_transforms.h"

#include <optional>

namespace glyphgrid {

namespace {

constexpr int Last = LampsPerRow - 1;

// A lamp as the user sees it: row 0 at the top, column 0 at the left. LampIndex counts the other
// way round, from the bottom right.
struct Place {
  int row;
  int column;
};

constexpr LampIndex IndexAt(Place place) {
  return LampIndexOf(Last - place.row, Last - place.column);
}

constexpr bool OnGrid(int i) {
  return i >= 0 && i <= Last;
}

constexpr int Wrapped(int i) {
  return (i % LampsPerRow + LampsPerRow) % LampsPerRow;
}

// Every lamp takes the old colour of the place `source` gives for it; no place leaves it grey.
template <typename Source>
void Remap(LampMatrix& lamps, Source source) {
  const LampMatrix old = lamps;
  for (int row = 0; row <= Last; ++row) {
    for (int column = 0; column <= Last; ++column) {
      const std::optional<Place> from = source(Place{row, column});
      lamps.SetColour(IndexAt({row, column}), from ? old.Colour(IndexAt(*from)) : LampGrey);
    }
  }
}

// The pattern `rows` down and `columns` to the right.
void Move(LampMatrix& lamps, int rows, int columns) {
  Remap(lamps, [rows, columns](Place to) -> std::optional<Place> {
    const Place from{to.row - rows, to.column - columns};
    return OnGrid(from.row) && OnGrid(from.column) ? std::optional(from) : std::nullopt;
  });
}

void Scroll(LampMatrix& lamps, int rows, int columns) {
  Remap(lamps, [rows, columns](Place to) {
    return std::optional(Place{Wrapped(to.row - rows), Wrapped(to.column - columns)});
  });
}

}  // namespace

void FlipHorizontal(LampMatrix& lamps) {
  Remap(lamps, [](Place to) { return std::optional(Place{to.row, Last - to.column}); });
}

void FlipVertical(LampMatrix& lamps) {
  Remap(lamps, [](Place to) { return std::optional(Place{Last - to.row, to.column}); });
}

void RotateClockwise(LampMatrix& lamps) {
  Remap(lamps, [](Place to) { return std::optional(Place{Last - to.column, to.row}); });
}

void RotateAnticlockwise(LampMatrix& lamps) {
  Remap(lamps, [](Place to) { return std::optional(Place{to.column, Last - to.row}); });
}

void Invert(LampMatrix& lamps) {
  for (LampIndex i = 0; i < LampCount; ++i) {
    lamps.SetColour(i, lamps.Colour(i) == LampGrey ? LampRed : LampGrey);
  }
}

void MoveUp(LampMatrix& lamps) {
  Move(lamps, -1, 0);
}

void MoveDown(LampMatrix& lamps) {
  Move(lamps, 1, 0);
}

void MoveLeft(LampMatrix& lamps) {
  Move(lamps, 0, -1);
}

void MoveRight(LampMatrix& lamps) {
  Move(lamps, 0, 1);
}

void ScrollUp(LampMatrix& lamps) {
  Scroll(lamps, -1, 0);
}

void ScrollDown(LampMatrix& lamps) {
  Scroll(lamps, 1, 0);
}

void ScrollLeft(LampMatrix& lamps) {
  Scroll(lamps, 0, -1);
}

void ScrollRight(LampMatrix& lamps) {
  Scroll(lamps, 0, 1);
}

}  // namespace glyphgrid

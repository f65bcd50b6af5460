#include "data/data_text.h"

namespace glyphgrid {

std::string DataText(const LampMatrix& lamps) {
  std::string text = "DATA &B";
  text.reserve(DataTextLength);
  for (int column = LampsPerRow - 1; column >= 0; --column) {
    for (int row = 0; row < LampsPerRow; ++row) {
      text += IsLitInData(lamps.Colour(LampIndexOf(row, column))) ? '1' : '0';
    }
    text += ", &B";
  }
  text += "00000000";
  return text;
}

}  // namespace glyphgrid

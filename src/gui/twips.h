#pragma once

#include <QColor>
#include <QRect>

#include "core/lamp_colour.h"
#include "core/lamp_geometry.h"

namespace glyphgrid {

// Windows are laid out in twips; one logical pixel is 15 twips (96 DPI). Qt's device-pixel ratio
// scales logical pixels on high-DPI screens.
inline constexpr double TwipsPerPixel = 15.0;

constexpr int TwipsToPixels(int twips) {
  return qRound(twips / TwipsPerPixel);
}

// Window layouts are constants, so they are converted while compiling.
consteval QRect TwipsRect(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

constexpr QRectF TwipsRectF(const TwipRect& r) {
  return {r.left / TwipsPerPixel, r.top / TwipsPerPixel, r.width / TwipsPerPixel,
          r.height / TwipsPerPixel};
}

// A lamp colour is &H00BBGGRR: red in the low byte.
inline QColor ToQColor(LampColour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace glyphgrid

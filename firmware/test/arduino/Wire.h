// A stand-in for the Arduino core's Wire library: what the glyphgrid sketches use, bodies in
// main.cpp.
#pragma once

#include <stddef.h>
#include <stdint.h>

class TwoWire {
 public:
  void begin();
  void beginTransmission(uint8_t);
  size_t write(uint8_t);
  uint8_t endTransmission();
};

extern TwoWire Wire;

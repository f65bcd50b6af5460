// A stand-in for the Arduino core's Wire library: what the glyphgrid sketches use.
#pragma once

#include <Arduino.h>

struct TwoWire {
  void begin() {}
  void beginTransmission(uint8_t) {}
  size_t write(uint8_t byte) {
    stand_in_io = byte;
    return 1;
  }
  uint8_t endTransmission() { return stand_in_io; }
};

extern TwoWire Wire;

// A stand-in for the Arduino core's SPI library: what the glyphgrid sketches use.
#pragma once

#include <Arduino.h>

#define MSBFIRST 1
#define SPI_MODE0 0x00

struct SPISettings {
  SPISettings(uint32_t, uint8_t, uint8_t) {}
};

struct SPIClass {
  void begin() {}
  void beginTransaction(SPISettings) {}
  uint8_t transfer(uint8_t byte) {
    stand_in_io = byte;
    return stand_in_io;
  }
  void endTransaction() {}
};

extern SPIClass SPI;

// A stand-in for the Arduino core's SPI library: what the glyphgrid sketches use, bodies in
// main.cpp.
#pragma once

#include <stdint.h>

#define MSBFIRST 1
#define SPI_MODE0 0x00

class SPISettings {
 public:
  SPISettings(uint32_t, uint8_t, uint8_t);
};

class SPIClass {
 public:
  void begin();
  void beginTransaction(SPISettings);
  uint8_t transfer(uint8_t);
  void endTransaction();
};

extern SPIClass SPI;

// A stand-in for the Arduino core: only what the glyphgrid sketches use, so that the sketches
// compile and link for the AVR without the Arduino IDE. What goes to or comes from the hardware
// passes through a volatile byte, so that the compiler cannot drop the sketches' code.
#pragma once

#include <stddef.h>
#include <stdint.h>

#define HIGH 0x1
#define LOW 0x0
#define OUTPUT 0x1

extern volatile uint8_t stand_in_io;

inline void pinMode(uint8_t, uint8_t) {}
inline void digitalWrite(uint8_t, uint8_t) {}

struct HardwareSerial {
  void begin(unsigned long) {}
  int available() { return stand_in_io; }
  int read() { return stand_in_io; }
  size_t write(uint8_t byte) {
    stand_in_io = byte;
    return 1;
  }
  size_t print(const char* text) { return write(static_cast<uint8_t>(*text)); }
};

extern HardwareSerial Serial;

void setup();
void loop();

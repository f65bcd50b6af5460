// A stand-in for the Arduino core: only what the glyphgrid sketches use, declared here with their
// bodies in main.cpp, so that the sketches compile and link for the AVR without the Arduino IDE.
#pragma once

#include <stddef.h>
#include <stdint.h>

#define HIGH 0x1
#define LOW 0x0
#define OUTPUT 0x1

void pinMode(uint8_t, uint8_t);
void digitalWrite(uint8_t, uint8_t);

class HardwareSerial {
 public:
  void begin(unsigned long);
  int available();
  int read();
  size_t write(uint8_t);
  size_t print(const char*);
};

extern HardwareSerial Serial;

void setup();
void loop();

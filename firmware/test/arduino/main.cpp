// The stand-in core's objects, and the main that the Arduino core gives every sketch.
#include <Arduino.h>
#include <SPI.h>
#include <Wire.h>

volatile uint8_t stand_in_io;
HardwareSerial Serial;
SPIClass SPI;
TwoWire Wire;

int main() {
  setup();
  for (;;) {
    loop();
  }
}

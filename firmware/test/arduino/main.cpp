// The stand-in core's bodies, kept out of the headers so that the compiler cannot see through
// them and drop the sketches' code, and the main that the Arduino core gives every sketch.
#include <Arduino.h>
#include <SPI.h>
#include <Wire.h>

void pinMode(uint8_t, uint8_t) {}
void digitalWrite(uint8_t, uint8_t) {}

void HardwareSerial::begin(unsigned long) {}
int HardwareSerial::available() {
  return 0;
}
int HardwareSerial::read() {
  return -1;
}
size_t HardwareSerial::write(uint8_t) {
  return 1;
}
size_t HardwareSerial::print(const char*) {
  return 0;
}
HardwareSerial Serial;

SPISettings::SPISettings(uint32_t, uint8_t, uint8_t) {}
void SPIClass::begin() {}
void SPIClass::beginTransaction(SPISettings) {}
uint8_t SPIClass::transfer(uint8_t) {
  return 0;
}
void SPIClass::endTransaction() {}
SPIClass SPI;

void TwoWire::begin() {}
void TwoWire::beginTransmission(uint8_t) {}
size_t TwoWire::write(uint8_t) {
  return 1;
}
uint8_t TwoWire::endTransmission() {
  return 0;
}
TwoWire Wire;

int main() {
  setup();
  for (;;) {
    loop();
  }
}

// Shows Glyphgrid's patterns live on a MAX7219 8 x 8 module, speaking the glyphgrid protocol over
// the USB serial port. A frame's 8 bytes go to the digit registers 1 to 8 in the order they come:
// the editor's wiring profile puts the lamps in this module's order.
#include <SPI.h>

#include "glyphgrid_link.h"

namespace {

const uint8_t ChipSelectPin = 10;
const unsigned long BaudRate = 115200;
const uint8_t Intensity = 8;  // 0 to 15

const uint8_t RegisterDigit0 = 0x01;
const uint8_t RegisterDecodeMode = 0x09;
const uint8_t RegisterIntensity = 0x0A;
const uint8_t RegisterScanLimit = 0x0B;
const uint8_t RegisterShutdown = 0x0C;
const uint8_t RegisterDisplayTest = 0x0F;

const char Hello[] = "GLYPHGRID 1 8x8 red\n";

glyphgrid::LinkDecoder decoder(8);

void WriteRegister(uint8_t address, uint8_t value) {
  SPI.beginTransaction(SPISettings(1000000, MSBFIRST, SPI_MODE0));
  digitalWrite(ChipSelectPin, LOW);
  SPI.transfer(address);
  SPI.transfer(value);
  // The MAX7219 latches the 16 bits on the rising edge of LOAD.
  digitalWrite(ChipSelectPin, HIGH);
  SPI.endTransaction();
}

void ShowRows(const uint8_t* rows) {
  for (uint8_t digit = 0; digit < 8; ++digit) {
    WriteRegister(RegisterDigit0 + digit, rows[digit]);
  }
}

}  // namespace

void setup() {
  pinMode(ChipSelectPin, OUTPUT);
  digitalWrite(ChipSelectPin, HIGH);
  SPI.begin();
  WriteRegister(RegisterDisplayTest, 0);
  // Raw bit patterns, not the seven-segment font.
  WriteRegister(RegisterDecodeMode, 0);
  WriteRegister(RegisterScanLimit, 7);
  WriteRegister(RegisterIntensity, Intensity);
  // The chip starts in shutdown with its registers undefined: clear before switching on.
  const uint8_t dark[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  ShowRows(dark);
  WriteRegister(RegisterShutdown, 1);
  Serial.begin(BaudRate);
}

void loop() {
  while (Serial.available() > 0) {
    switch (decoder.Feed(static_cast<uint8_t>(Serial.read()))) {
      case glyphgrid::LinkEvent::Hello:
        Serial.print(Hello);
        break;
      case glyphgrid::LinkEvent::Frame:
        ShowRows(decoder.Payload());
        Serial.write(glyphgrid::LinkAck);
        break;
      case glyphgrid::LinkEvent::Refused:
        Serial.write(glyphgrid::LinkNak);
        break;
      case glyphgrid::LinkEvent::None:
        break;
    }
  }
}

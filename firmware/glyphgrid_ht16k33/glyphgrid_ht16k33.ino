// Shows Glyphgrid's patterns live on an HT16K33 bi-colour 8 x 8 backpack, speaking the glyphgrid
// protocol over the USB serial port. A frame's 16 bytes go to display RAM addresses 0 to 15 in the
// order they come (on the common backpacks: each row's green byte, then its red byte, which the
// ht16k33 profile writes): the editor's wiring profile puts the lamps in this board's order.
#include <Wire.h>

#include "glyphgrid_link.h"

namespace {

const uint8_t Address = 0x70;
const unsigned long BaudRate = 115200;
const uint8_t Brightness = 8;  // 0 to 15

const uint8_t CommandOscillatorOn = 0x21;
const uint8_t CommandDisplayOn = 0x81;  // blinking off
const uint8_t CommandBrightness = 0xE0;
const uint8_t FrameLength = 16;

const char Hello[] = "GLYPHGRID 1 8x8 red,green\n";

glyphgrid::LinkDecoder decoder(FrameLength);

void Command(uint8_t command) {
  Wire.beginTransmission(Address);
  Wire.write(command);
  Wire.endTransmission();
}

void ShowRam(const uint8_t* bytes) {
  Wire.beginTransmission(Address);
  Wire.write(static_cast<uint8_t>(0));  // the first RAM address; the chip counts on from there
  for (uint8_t i = 0; i < FrameLength; ++i) {
    Wire.write(bytes[i]);
  }
  Wire.endTransmission();
}

}  // namespace

void setup() {
  Wire.begin();
  Command(CommandOscillatorOn);
  // The RAM holds whatever it powered up with: clear it before the display comes on.
  const uint8_t dark[FrameLength] = {};
  ShowRam(dark);
  Command(CommandDisplayOn);
  Command(CommandBrightness | Brightness);
  Serial.begin(BaudRate);
}

void loop() {
  while (Serial.available() > 0) {
    switch (decoder.Feed(static_cast<uint8_t>(Serial.read()))) {
      case glyphgrid::LinkEvent::Hello:
        Serial.print(Hello);
        break;
      case glyphgrid::LinkEvent::Frame:
        ShowRam(decoder.Payload());
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

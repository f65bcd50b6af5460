# Shows Glyphgrid's patterns live on a MAX7219 8 x 8 module wired to a Raspberry Pi Pico, speaking
# the glyphgrid protocol over the Pico's USB serial port (MicroPython's stdin and stdout). A
# frame's 8 bytes go to the digit registers 1 to 8 in the order they come: the editor's wiring
# profile puts the lamps in this module's order.
import sys

import machine
import micropython

START = 0xA5
ACK = b"\x06"
NAK = b"\x15"
MAX_LENGTH = 32
FRAME_LENGTH = 8
HELLO = b"GLYPHGRID 1 8x8 red\n"

INTENSITY = 8  # 0 to 15


class LinkDecoder:
    """Feed it the bytes from the host one at a time; each returns what they completed:
    None, "hello", "frame" (the bytes in .payload) or "refused"."""

    def __init__(self, frame_length):
        self.frame_length = frame_length
        self.state = "waiting"
        self.length = 0
        self.sum = 0
        self.payload = bytearray()

    def feed(self, byte):
        if self.state == "waiting":
            # Anything but the start byte is noise from before the host synchronised.
            if byte == START:
                self.state = "length"
            return None
        if self.state == "length":
            # Too long to be ours: a stray start byte. Wait for the next one without answering.
            if byte > MAX_LENGTH:
                self.state = "waiting"
                return None
            self.length = byte
            self.sum = byte
            self.payload = bytearray()
            self.state = "payload" if byte else "check"
            return None
        if self.state == "payload":
            self.payload.append(byte)
            self.sum = (self.sum + byte) & 0xFF
            if len(self.payload) == self.length:
                self.state = "check"
            return None
        self.state = "waiting"
        if byte != (~self.sum) & 0xFF:
            return "refused"
        if self.length == 0:
            return "hello"
        return "frame" if self.length == self.frame_length else "refused"


class Max7219:
    def __init__(self, spi, chip_select):
        self.spi = spi
        self.cs = chip_select
        self.cs.value(1)
        self.write(0x0F, 0)  # display test off
        self.write(0x09, 0)  # raw bit patterns, not the seven-segment font
        self.write(0x0B, 7)  # scan all 8 digits
        self.write(0x0A, INTENSITY)
        # The chip starts in shutdown with its registers undefined: clear before switching on.
        self.show(bytes(8))
        self.write(0x0C, 1)

    def write(self, address, value):
        self.cs.value(0)
        self.spi.write(bytes((address, value)))
        # The MAX7219 latches the 16 bits on the rising edge of LOAD.
        self.cs.value(1)

    def show(self, rows):
        for digit in range(8):
            self.write(1 + digit, rows[digit])


def serve(display, read_byte, write):
    """Answers the host until read_byte returns None (the end of the input)."""
    decoder = LinkDecoder(FRAME_LENGTH)
    while True:
        byte = read_byte()
        if byte is None:
            return
        event = decoder.feed(byte)
        if event == "hello":
            write(HELLO)
        elif event == "frame":
            display.show(decoder.payload)
            write(ACK)
        elif event == "refused":
            write(NAK)


def main():
    # Frames carry any byte, 0x03 too: it must not stop the script as Ctrl-C would.
    micropython.kbd_intr(-1)
    spi = machine.SPI(0, baudrate=1_000_000, polarity=0, phase=0,
                      sck=machine.Pin(18), mosi=machine.Pin(19))
    display = Max7219(spi, machine.Pin(17, machine.Pin.OUT))
    stdin = sys.stdin.buffer
    stdout = sys.stdout.buffer

    def read_byte():
        data = stdin.read(1)
        return data[0] if data else None

    serve(display, read_byte, stdout.write)


if __name__ == "__main__":
    main()

# Runs the Pico script under the host's python3 with stand-ins for MicroPython's machine and
# micropython modules and for the USB serial port, and checks what the host and the MAX7219 get.
import io
import sys
import types
import unittest
from unittest import mock
from pathlib import Path

digits = {}


# Stands in for machine.SPI and machine.Pin; what goes over SPI lands in digits.
class Device:
    OUT = 1

    def __init__(self, *args, **kwargs):
        pass

    def value(self, level):
        pass

    def write(self, data):
        digits[data[0]] = data[1]


sys.modules["machine"] = types.SimpleNamespace(SPI=Device, Pin=Device)
sys.modules["micropython"] = types.SimpleNamespace(kbd_intr=lambda key: None)
sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "pico_max7219"))
import main  # noqa: E402


def message(payload):
    return bytes([0xA5, len(payload), *payload, ~(len(payload) + sum(payload)) & 0xFF])


class PicoScript(unittest.TestCase):
    def run_script(self, data):
        output = io.TextIOWrapper(io.BytesIO())
        with mock.patch.multiple(sys, stdin=io.TextIOWrapper(io.BytesIO(data)), stdout=output):
            main.main()
        return output.buffer.getvalue()

    def test_answers_and_shows(self):
        frame = bytes([0x03, 0xA5, 0, 0x15, 0x06, 0xFF, 0x80, 1])
        bad = message(b"\x01" * 8)[:-1] + b"\x00"  # a wrong check
        cases = [
            (message(b""), b"GLYPHGRID 1 8x8 red\n", bytes(8)),
            (b"\x00\x42\xa5\x21" + message(frame), b"\x06", frame),  # garbage, a LEN over 32
            (bad + message(b"\x01" * 16), b"\x15\x15", bytes(8)),
        ]
        for data, answer, shown in cases:
            self.assertEqual(self.run_script(data), answer, data)
            self.assertEqual(bytes(digits[d] for d in range(1, 9)), shown, data)


if __name__ == "__main__":
    unittest.main()

#!/bin/sh
# Compiles each Arduino sketch for the ATmega328P against the stand-in core in arduino/, as the
# Arduino IDE would (Arduino.h included first), and checks that every sketch carries the same
# protocol decoder. Exit 77 (skipped) without avr-gcc.
set -eu
firmware=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$(mktemp -d)}
mkdir -p "$out"

reference=$firmware/glyphgrid_max7219/glyphgrid_link.h
for copy in "$firmware"/*/glyphgrid_link.h; do
  cmp -s "$reference" "$copy" ||
    { echo "$copy differs from $reference: every sketch needs the same decoder" >&2; exit 1; }
done

if ! command -v avr-g++ >/dev/null 2>&1; then
  echo "avr-g++ not found (Debian: gcc-avr avr-libc): the sketches were not compiled"
  exit 77
fi

for sketch in "$firmware"/*/*.ino; do
  name=$(basename "$sketch" .ino)
  avr-g++ -mmcu=atmega328p -Os -std=gnu++11 -Wall -Wextra -Werror -fno-exceptions \
    -I "$firmware/test/arduino" -include Arduino.h -x c++ "$sketch" -x none \
    "$firmware/test/arduino/main.cpp" -o "$out/$name.elf"
  avr-size "$out/$name.elf"
done

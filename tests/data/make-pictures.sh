#!/usr/bin/env bash
# Makes the pictures the media tests read, with ImageMagick and Python; run it in this folder.
# Each is a few hundred bytes at most.
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# 16 x 16: the top left quarter green, the top right orange, the bottom half black.
convert -size 16x16 xc:black -fill '#00ff00' -draw 'rectangle 0,0 7,7' \
  -fill '#ff8000' -draw 'rectangle 8,0 15,7' "$scratch/quarters.png"
convert "$scratch/quarters.png" -define png:color-type=6 quarters.png
convert "$scratch/quarters.png" -quality 100 quarters.jpg
convert "$scratch/quarters.png" -type truecolor BMP3:quarters.bmp

# Three 8 x 8 frames, 10, 20 and 30 hundredths of a second: a white pixel that moves from the
# top left corner along the top row, then a white bottom row; stored as the changed rectangles
# only, so reading them back composes each frame on the one before.
convert -size 8x8 xc:black -fill white -draw 'point 0,0' "$scratch/a.png"
convert -size 8x8 xc:black -fill white -draw 'point 3,0' "$scratch/b.png"
convert -size 8x8 xc:black -fill white -draw 'point 3,0' -draw 'line 0,7 7,7' "$scratch/c.png"
convert -delay 10 "$scratch/a.png" -delay 20 "$scratch/b.png" -delay 30 "$scratch/c.png" \
  -layers OptimizeFrame three-frames.gif

# Four frames, each disposed of in another way: a white pixel at the top left kept; one at the
# top right cleared to the background; one at column 3 put back to what was there before; one
# at column 5.
convert -delay 10 \( -size 8x8 xc:black -fill white -draw 'point 0,0' -set dispose none \) \
  \( -size 1x1 xc:white -set page 8x8+7+0 -set dispose background \) \
  \( -size 1x1 xc:white -set page 8x8+3+0 -set dispose previous \) \
  \( -size 1x1 xc:white -set page 8x8+5+0 -set dispose none \) disposal.gif

# A valid PNG header that declares 100,000 x 100,000 pixels, and no pixels.
python3 - <<'PYTHON'
import struct, zlib
def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
header = struct.pack('>IIBBBBB', 100000, 100000, 8, 6, 0, 0, 0)
open('huge.png', 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(16))) + chunk(b"IEND", b""))
PYTHON

#!/usr/bin/env python3
"""Draws docs/presets.png, the presets' contact sheet: for each preset, in
presets/README's order, five to a row, the gradient as `velumbra render`
draws it (over the checkerboard where it is transparent) above the sample
image recoloured through it by `velumbra map`, laid over the sample image so
that the overlays show what they leave visible, and under them the preset's
file name, written by ImageMagick's `convert` in DejaVu Sans.

Usage:
  tools/presets/contact_sheet.py --velumbra build/native/velumbra \\
      --sample-photo build/native/sample-photo [--presets DIR] [--out FILE]

Python's standard library only: PNGs are read and written here with zlib.
The same programs and font draw the same pixels on every machine, so the
sheet is reproducible.
"""

import argparse
import os
import struct
import subprocess
import sys
import tempfile
import zlib

from make_presets import ROOT, preset_stems

COLUMNS = 5
WIDTH = 240  # of a strip and of a thumbnail
STRIP_HEIGHT = 20
PHOTO_HEIGHT = 160
GAP = 2  # between a strip and its thumbnail
MARGIN = 8  # around and between cells
LABEL_HEIGHT = 20  # under the thumbnail: the file name
LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"  # fonts-dejavu-core
LABEL_POINTS = 13
BACKGROUND = (0x2B, 0x2B, 0x2B)
LABEL_COLOUR = "#DDDDDD"


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """(width, height, channels, rows of bytes) of an 8-bit RGB or RGBA PNG."""
    with open(path, "rb") as png:
        data = png.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"contact_sheet: {path} is not a PNG")
    offset, idat = 8, b""
    while offset < len(data):
        length, kind = struct.unpack(">I4s", data[offset:offset + 8])
        body = data[offset + 8:offset + 8 + length]
        if kind == b"IHDR":
            width, height, depth, color, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        offset += 12 + length
    channels = {2: 3, 6: 4}.get(color)
    if depth != 8 or channels is None or interlace:
        sys.exit(f"contact_sheet: {path}: only 8-bit RGB or RGBA without interlacing")
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up = previous[i]
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + ((left + up) >> 1)) & 0xFF
            elif kind == 4:
                upper_left = previous[i - channels] if i >= channels else 0
                row[i] = (row[i] + paeth(left, up, upper_left)) & 0xFF
        rows.append(row)
        previous = row
    return width, height, channels, rows


def png_chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body +
            struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def write_png(path, width, rows):
    """An RGB PNG; each row filtered by "Sub", which suits the smooth strips."""
    stream = bytearray()
    for row in rows:
        stream.append(1)
        stream += bytes((row[i] - (row[i - 3] if i >= 3 else 0)) & 0xFF for i in range(len(row)))
    header = struct.pack(">IIBBBBB", width, len(rows), 8, 2, 0, 0, 0)
    with open(path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
                  png_chunk(b"IDAT", zlib.compress(bytes(stream), 9)) + png_chunk(b"IEND", b""))


def over(top, bottom):
    """RGBA rows over RGB rows. Opacity 100 is alpha 254, so 254 is opaque."""
    result = []
    for top_row, bottom_row in zip(top, bottom):
        row = bytearray(len(bottom_row))
        for x in range(len(bottom_row) // 3):
            alpha = top_row[4 * x + 3]
            weight = 255 if alpha >= 254 else alpha
            for c in range(3):
                row[3 * x + c] = (top_row[4 * x + c] * weight +
                                  bottom_row[3 * x + c] * (255 - weight) + 127) // 255
        result.append(row)
    return result


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"contact_sheet: {' '.join(command)}: status {result.returncode}\n"
                 f"{result.stderr}")


def rgb_rows(image):
    width, _, channels, rows = image
    if channels == 3:
        return rows
    return [bytearray(b for x in range(width) for b in row[4 * x:4 * x + 3]) for row in rows]


def label(text, path):
    """TEXT in light grey on the sheet's background, as RGB rows no taller
    than LABEL_HEIGHT and no wider than a cell."""
    if not os.path.isfile(LABEL_FONT):
        sys.exit(f"contact_sheet: no {LABEL_FONT} (scripts/bootstrap.sh installs fonts-dejavu-core)")
    run("convert", "-background", "#%02X%02X%02X" % BACKGROUND, "-fill", LABEL_COLOUR,
        "-font", LABEL_FONT, "-pointsize", str(LABEL_POINTS), "label:" + text, "PNG24:" + path)
    width, height, _, rows = read_png(path)
    if width > WIDTH or height > LABEL_HEIGHT:
        sys.exit(f"contact_sheet: the label {text!r} is {width} x {height}, over {WIDTH} x {LABEL_HEIGHT}")
    return width, rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--velumbra", required=True, help="the native velumbra program")
    parser.add_argument("--sample-photo", required=True, help="the native sample-photo program")
    parser.add_argument("--presets", default=os.path.join(ROOT, "presets"))
    parser.add_argument("--out", default=os.path.join(ROOT, "docs/presets.png"))
    args = parser.parse_args()

    stems = preset_stems()
    rows_of_cells = (len(stems) + COLUMNS - 1) // COLUMNS
    cell_height = STRIP_HEIGHT + GAP + PHOTO_HEIGHT + LABEL_HEIGHT
    sheet_width = MARGIN + COLUMNS * (WIDTH + MARGIN)
    sheet_height = MARGIN + rows_of_cells * (cell_height + MARGIN)
    sheet = [bytearray(bytes(BACKGROUND) * sheet_width) for _ in range(sheet_height)]

    def paste(rows, left, top):
        for y, row in enumerate(rows):
            sheet[top + y][3 * left:3 * left + len(row)] = row

    with tempfile.TemporaryDirectory() as work:
        photo_path = os.path.join(work, "photo.png")
        run(args.sample_photo, photo_path, str(WIDTH), str(PHOTO_HEIGHT))
        photo = rgb_rows(read_png(photo_path))
        for place, stem in enumerate(stems):
            preset = os.path.join(args.presets, stem + ".grd")
            strip_path = os.path.join(work, stem + "-strip.png")
            mapped_path = os.path.join(work, stem + "-map.png")
            run(args.velumbra, "render", preset, strip_path,
                "--width", str(WIDTH), "--height", str(STRIP_HEIGHT))
            run(args.velumbra, "map", preset, photo_path, mapped_path)
            left = MARGIN + (place % COLUMNS) * (WIDTH + MARGIN)
            top = MARGIN + (place // COLUMNS) * (cell_height + MARGIN)
            paste(rgb_rows(read_png(strip_path)), left, top)
            paste(over(read_png(mapped_path)[3], photo), left, top + STRIP_HEIGHT + GAP)
            label_width, label_rows = label(stem + ".grd", os.path.join(work, stem + "-label.png"))
            paste(label_rows, left + (WIDTH - label_width) // 2, top + STRIP_HEIGHT + GAP + PHOTO_HEIGHT
                  + (LABEL_HEIGHT - len(label_rows) + 1) // 2)

    write_png(args.out, sheet_width, sheet)
    print(f"{args.out}: {len(stems)} presets, {sheet_width} x {sheet_height}, "
          f"{os.path.getsize(args.out)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())

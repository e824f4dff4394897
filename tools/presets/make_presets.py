#!/usr/bin/env python3
"""Generates the preset library in presets/: one Velumbra .grd per gradient,
fitted by `velumbra convert` from an SVG source holding the exact stops, and
presets/README listing them.

The perceptual colour maps come from the published tables in matplotlib's
_cm_listed.py, which scripts/bootstrap.sh unpacks into
.deps/matplotlib-colormaps/ (read as data, never imported). The looks and
overlays are this project's own, defined below.

Usage:
  tools/presets/make_presets.py --velumbra build/native/velumbra \\
      [--colormaps FILE] [--out DIR] [--sources DIR]

Without the tables it exits with status 77, so a test can tell "no data"
from a failure. A test runs it into a scratch folder and compares the result
byte for byte with presets/, so the two cannot drift apart.
"""

import argparse
import ast
import os
import struct
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
NO_DATA = 77

# (file stem, table name in _cm_listed.py, description, source and licence)
SMITH_VAN_DER_WALT = (
    "matplotlib's colour map table, by Nathaniel J. Smith and Stéfan van der Walt; CC0")
PERCEPTUAL = [
    ("perceptual-viridis", "_viridis_data", "viridis: blue-violet through green to yellow",
     SMITH_VAN_DER_WALT),
    ("perceptual-plasma", "_plasma_data", "plasma: deep blue through magenta to yellow",
     SMITH_VAN_DER_WALT),
    ("perceptual-inferno", "_inferno_data", "inferno: black through red and orange to pale yellow",
     SMITH_VAN_DER_WALT),
    ("perceptual-magma", "_magma_data", "magma: black through purple and rose to cream",
     SMITH_VAN_DER_WALT),
    ("perceptual-cividis", "_cividis_data",
     "cividis: navy through grey to yellow, for colour vision deficiency",
     "matplotlib's colour map table, by Jamie R. Nuñez et al.; CC0"),
    ("perceptual-turbo", "_turbo_data",
     "turbo: rainbow, dark blue to dark red (lightness not monotone)",
     "matplotlib's colour map table, Copyright 2019 Google LLC, by Anton Mikhailov; "
     "Apache-2.0 (see below)"),
]

OWN = "designed for Velumbra; MIT, as the project"
OPAQUE = [(0, 100), (100, 100)]

# (file stem, description, colour stops, opacity stops): positions 0 to 100,
# joined by straight lines. Position 0 takes the shadows, 100 the highlights.
LOOKS = [
    ("look-sepia", "sepia toning: dark umber shadows, warm browns, cream highlights",
     [(0, "140c06"), (35, "5e3e24"), (70, "b89468"), (100, "faeed6")], OPAQUE),
    ("look-sepia-light", "light sepia: lifted brown shadows, soft ivory highlights",
     [(0, "3c2a1c"), (50, "aa8864"), (100, "fff8e8")], OPAQUE),
    ("look-sepia-strong", "strong sepia: near-black shadows, saturated amber mid-tones",
     [(0, "0e0600"), (40, "783e14"), (75, "d69650"), (100, "ffe2aa")], OPAQUE),
    ("look-cyanotype", "cyanotype: Prussian-blue shadows to paper-white highlights",
     [(0, "001432"), (45, "104e8c"), (80, "78aad2"), (100, "ecf4fa")], OPAQUE),
    ("look-platinum", "platinum print: soft neutral greys, slightly warm, long tonal scale",
     [(0, "1a1714"), (50, "87807a"), (100, "f4f0e8")], OPAQUE),
    ("look-selenium", "selenium toning: aubergine shadows, neutral highlights",
     [(0, "180a12"), (30, "4e303e"), (65, "a09496"), (100, "f6f4f0")], OPAQUE),
    ("look-split-teal-orange", "split tone: teal shadows, orange highlights",
     [(0, "00161c"), (30, "14505a"), (55, "8c8c82"), (80, "e6a064"), (100, "ffecd2")], OPAQUE),
    ("look-split-cool-warm", "gentle split tone: blue-grey shadows, warm cream highlights",
     [(0, "0c1420"), (50, "7a7c80"), (100, "fff2dc")], OPAQUE),
    ("look-duotone-purple-gold", "duotone: deep purple shadows, gold highlights",
     [(0, "1e0832"), (40, "6e3282"), (75, "dcaa46"), (100, "fff0b4")], OPAQUE),
    ("look-duotone-navy-coral", "duotone: navy shadows, coral highlights",
     [(0, "0a143c"), (45, "5a4070"), (75, "f07868"), (100, "ffe6dc")], OPAQUE),
    ("look-duotone-forest-cream", "duotone: forest-green shadows, cream highlights",
     [(0, "0a2418"), (50, "5a825a"), (100, "f6f0d2")], OPAQUE),
    ("look-thermal", "thermal camera: black, purple, red, yellow, white",
     [(0, "000000"), (25, "500082"), (50, "d21428"), (75, "ffc800"), (100, "ffffff")], OPAQUE),
    ("look-night-vision", "night vision: phosphor green from black to pale green",
     [(0, "000800"), (50, "28aa28"), (85, "aaff8c"), (100, "e6ffdc")], OPAQUE),
    ("look-infrared", "infrared false colour: blue shadows, magenta and red mid-tones, "
     "pale pink highlights", [(0, "0a0a28"), (35, "781e5a"), (65, "e6465a"), (85, "ffaaaa"),
                               (100, "fff0eb")], OPAQUE),
    ("look-golden-hour", "golden hour: warm brown shadows, amber mid-tones, sunlit highlights",
     [(0, "1e0e0a"), (40, "965028"), (75, "fab45a"), (100, "fff4d2")], OPAQUE),
    ("look-moonlight", "moonlight (day for night): blue-black shadows, cold pale highlights",
     [(0, "00040e"), (50, "28466e"), (100, "bed7f0")], OPAQUE),
    ("look-noir-lifted", "noir with lifted blacks: matte charcoal shadows, hard grey mid-tones",
     [(0, "26262a"), (20, "343438"), (70, "aaaaaa"), (100, "ecece8")], OPAQUE),
    ("look-bleach-bypass", "bleach bypass: desaturated, contrasty, silvery",
     [(0, "080a0c"), (30, "3c4042"), (60, "969692"), (100, "faf8f0")], OPAQUE),
    ("look-faded-film", "faded film: violet-grey blacks, muted mid-tones, creamy highlights",
     [(0, "281e28"), (50, "96826e"), (100, "f0e6c8")], OPAQUE),
]

# Transparency ramps, for painting over a picture (position 0 to 100 along
# the ramp, e.g. from the centre outwards or from the top down).
OVERLAYS = [
    ("overlay-black-vignette", "black vignette: clear in the middle, darkening towards the edge",
     [(0, "000000"), (100, "000000")], [(0, 0), (35, 0), (100, 85)]),
    ("overlay-black-fade", "black fade: opaque black fading evenly to clear",
     [(0, "000000"), (100, "000000")], [(0, 100), (100, 0)]),
    ("overlay-white-haze", "white haze: clear to a milky white veil",
     [(0, "ffffff"), (100, "ffffff")], [(0, 0), (100, 60)]),
    ("overlay-warm-light-leak", "warm light leak: hot yellow core, orange, red fading out",
     [(0, "ffecbe"), (40, "ff9632"), (100, "dc3c14")], [(0, 90), (40, 60), (100, 0)]),
    ("overlay-sky-graduate", "graduated sky filter: blue at the top, clear below the middle",
     [(0, "285ab4"), (100, "5a8cd2")], [(0, 70), (60, 0), (100, 0)]),
]


def preset_stems():
    """Every preset's file stem, in the README's (and the contact sheet's) order."""
    return [entry[0] for entry in PERCEPTUAL + LOOKS + OVERLAYS]


def read_tables(path):
    """The lists assigned at the top level of _cm_listed.py, by name."""
    with open(path, encoding="utf-8") as source:
        tree = ast.parse(source.read(), path)
    tables = {}
    for node in tree.body:
        if isinstance(node, ast.Assign) and isinstance(node.value, ast.List):
            for target in node.targets:
                if isinstance(target, ast.Name):
                    tables[target.id] = ast.literal_eval(node.value)
    return tables


def number(value):
    return format(value, ".12g")


def hex_color(text):
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


def interpolate(stops, position):
    """A piecewise-linear track's value at `position`; stops are (position, value)."""
    if position <= stops[0][0]:
        return stops[0][1]
    for (x0, v0), (x1, v1) in zip(stops, stops[1:]):
        if position <= x1:
            t = (position - x0) / (x1 - x0)
            if isinstance(v0, tuple):
                return tuple(a + (b - a) * t for a, b in zip(v0, v1))
            return v0 + (v1 - v0) * t
    return stops[-1][1]


def svg_color(rgb):
    """#rrggbb for whole bytes, else percentages to 12 significant digits."""
    bytes_ = [channel * 255.0 for channel in rgb]
    if all(abs(value - round(value)) < 1e-9 for value in bytes_):
        return "#" + "".join(f"{round(value):02x}" for value in bytes_)
    return "rgb(" + ", ".join(number(channel * 100.0) + "%" for channel in rgb) + ")"


def svg_stop(offset, rgb, opacity):
    return (f'    <stop offset="{number(offset)}" stop-color="{svg_color(rgb)}" '
            f'stop-opacity="{number(opacity)}"/>\n')


def svg_document(name, stops):
    """One linearGradient; stops are (offset 0..1, (r, g, b) 0..1, opacity 0..1)."""
    body = "".join(svg_stop(*stop) for stop in stops)
    return ('<svg xmlns="http://www.w3.org/2000/svg">\n'
            f'  <linearGradient id="{name}">\n{body}  </linearGradient>\n</svg>\n')


def table_stops(table):
    last = len(table) - 1
    return [(i / last, tuple(rgb), 1.0) for i, rgb in enumerate(table)]


def designed_stops(colors, opacities):
    """Both tracks at every position either names: the same straight lines."""
    colors = [(x, hex_color(c)) for x, c in colors]
    positions = sorted({x for x, _ in colors} | {x for x, _ in opacities})
    return [(x / 100.0, interpolate(colors, x), interpolate(opacities, x) / 100.0)
            for x in positions]


def stop_counts(path):
    with open(path, "rb") as record:
        return struct.unpack("<II", record.read(8))


def convert(velumbra, source, target):
    result = subprocess.run([velumbra, "convert", source, target],
                            capture_output=True, text=True)
    # Any note means the import approximated something: the sources here
    # must need nothing approximated.
    if result.returncode != 0 or result.stderr:
        sys.exit(f"make_presets: velumbra convert {source}: status {result.returncode}\n"
                 f"{result.stderr}")


README_HEAD = """\
Velumbra presets
================

Gradient maps for the gradation editor: load one with 読込 (or drop the file
on the editor), or convert it with the velumbra command-line program. As a
gradient map (ColorReMap_Luminance, velumbra map) position 0 colours the
shadows and 100 the highlights. The overlays are transparency ramps to paint
over a picture (SetGradationImage, velumbra render), from 0 (e.g. the
centre or the top) to 100.

Each file is a gradation fitted from its source stops, joined by straight
lines, so that the editor's eased curves stay within one step of each colour
channel and one percentage point of opacity of the source. The stop counts
are those of the fitted gradation.

Generated by tools/presets/make_presets.py (make presets); do not edit.
docs/presets.png shows them in the order below, five to a row, each tile
labelled with its file name: the gradient as a strip (checkerboard where it
is transparent) above the sample image recoloured through it (the sample
image shows where the result is transparent).

 #  file                           colour opacity  what it is
"""

README_SOURCES = """
Sources and licences
--------------------

"""

README_TABLES = """
The perceptual maps are fitted from the 256-entry tables of matplotlib
(matplotlib/_cm_listed.py in Debian's python3-matplotlib 3.6.3), each entry a
stop, joined by straight lines. Viridis, plasma, inferno and magma were
released by their authors under CC0 1.0 (no rights reserved), as was
cividis. Turbo's table is Copyright 2019 Google LLC, designed by Anton
Mikhailov, SPDX-License-Identifier: Apache-2.0; perceptual-turbo.grd is a
modified work of it (its stops approximate the table within the tolerance
above) and is distributed under the Apache License, Version 2.0, whose text
follows.

"""


def readme(entries, apache_text):
    lines = [README_HEAD]
    for place, (stem, description, _, counts) in enumerate(entries, 1):
        lines.append(f"{place:2}  {stem + '.grd':30} {counts[0]:6} {counts[1]:7}  {description}\n")
    lines.append(README_SOURCES)
    for stem, _, licence, _ in entries:
        lines.append(f"{stem + '.grd':30} {licence}\n")
    lines.append(README_TABLES)
    lines.append(apache_text)
    return "".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--velumbra", required=True, help="the native velumbra program")
    parser.add_argument("--colormaps",
                        default=os.path.join(ROOT, ".deps/matplotlib-colormaps/_cm_listed.py"))
    parser.add_argument("--out", default=os.path.join(ROOT, "presets"))
    parser.add_argument("--sources", default=os.path.join(ROOT, "build/preset-sources"),
                        help="where the SVG sources are written")
    parser.add_argument("--apache-license", default="/usr/share/common-licenses/Apache-2.0")
    args = parser.parse_args()

    if not os.path.isfile(args.colormaps):
        print(f"make_presets: no colour map tables at {args.colormaps}; "
              "run scripts/bootstrap.sh", file=sys.stderr)
        return NO_DATA
    tables = read_tables(args.colormaps)
    sources = args.sources
    os.makedirs(args.out, exist_ok=True)
    os.makedirs(sources, exist_ok=True)

    presets = [(stem, description, licence, table_stops(tables[table]))
               for stem, table, description, licence in PERCEPTUAL]
    presets += [(stem, description, OWN, designed_stops(colors, opacities))
                for stem, description, colors, opacities in LOOKS + OVERLAYS]

    # A preset dropped from the lists leaves no file behind.
    stems = {stem for stem, _, _, _ in presets}
    for file in os.listdir(args.out):
        if file.endswith(".grd") and file[:-4] not in stems:
            os.remove(os.path.join(args.out, file))

    entries = []
    for stem, description, licence, stops in presets:
        source = os.path.join(sources, stem + ".svg")
        with open(source, "w", encoding="utf-8", newline="\n") as svg:
            svg.write(svg_document(stem, stops))
        target = os.path.join(args.out, stem + ".grd")
        convert(args.velumbra, source, target)
        entries.append((stem, description, licence, stop_counts(target)))

    with open(args.apache_license, encoding="utf-8") as licence:
        apache_text = licence.read()
    with open(os.path.join(args.out, "README"), "w", encoding="utf-8", newline="\n") as out:
        out.write(readme(entries, apache_text))
    return 0


if __name__ == "__main__":
    sys.exit(main())

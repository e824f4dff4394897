#!/usr/bin/env python3
"""check_layers.py on tiny source trees: each forbidden arrow fails, naming
file and line; allowed ones pass."""
import os
import subprocess
import sys
import tempfile

CHECKER = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'check_layers.py')
LAYERS = 'src/low:\nsrc/high: src/low  # high stands on low\ntools/app: src/high\n'
LOW = {'src/low/low.h': '#pragma once\n'}

# name, files besides LOW, expected exit status, text the output must hold
CASES = [
    ('upward arrow', {'src/low/bad.cpp': '#include "low.h"\n\n  #  include "high/high.h"\n',
                      'src/high/high.h': ''}, 1,
     'src/low/bad.cpp:3: #include "high/high.h": src/low may not include src/high'),
    ('allowed arrows', {'src/high/high.cpp': '#include "high.h"\n#include "low/low.h"\n',
                        'src/high/high.h': '', 'tools/app/main.cpp': '#include "high/high.h"\n'},
     0, '3 includes checked, 0 not allowed'),
    ('arrows do not chain', {'tools/app/main.cpp': '\n#include "low/low.h"\n'}, 1,
     'tools/app/main.cpp:2: #include "low/low.h": tools/app may not include src/low'),
    ('beside the file first', {'src/high/x.cpp': '#include "../low/low.h"\n'}, 0, '0 not allowed'),
    ('angle brackets are not arrows', {'src/low/x.cpp': '#include <high/high.h>\n',
                                       'src/high/high.h': ''}, 0, '0 includes checked'),
    ('unknown target', {'src/low/x.cpp': '#include "nowhere.h"\n'}, 1,
     'src/low/x.cpp:1: #include "nowhere.h": found in no folder'),
    ('unlisted folder', {'src/other/x.cpp': '#include "low/low.h"\n'}, 1,
     'src/other/x.cpp:1: #include "low/low.h": src/other/x.cpp is in no folder'),
]


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for path, text in {**LOW, **files, 'layers.txt': LAYERS}.items():
            os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
            with open(os.path.join(root, path), 'w', encoding='utf-8') as out:
                out.write(text)
        return subprocess.run([sys.executable, CHECKER, os.path.join(root, 'layers.txt'), root],
                              capture_output=True, text=True)


failures = 0
for name, files, status, text in CASES:
    result = run(files)
    if result.returncode != status or text not in result.stdout:
        failures += 1
        print(f'FAIL {name}: status {result.returncode}, expected {status} and "{text}" in:\n'
              f'{result.stdout}{result.stderr}')
print(f'{len(CASES) - failures} passed, {failures} failed')
sys.exit(1 if failures else 0)

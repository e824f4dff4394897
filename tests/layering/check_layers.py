#!/usr/bin/env python3
"""Fails, naming file and line, on any #include "..." that layers.txt does not allow.

usage: check_layers.py LAYERS_FILE SOURCE_ROOT

Every listed folder's parent (src, tools) is an include root. A quoted
include is looked up beside the including file first, then under each root;
the folder holding what it finds is the include's target.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCES = ('.c', '.cc', '.cpp', '.h', '.hpp', '.inc', '.rc')


def read_layers(path):
    allowed = {}
    for number, line in enumerate(open(path, encoding='utf-8'), 1):
        line = line.split('#', 1)[0].strip()
        if not line:
            continue
        folder, sep, targets = line.partition(':')
        if not sep or folder.strip() in allowed:
            sys.exit(f'{path}:{number}: expected one "folder: folders" line per folder')
        allowed[folder.strip()] = set(targets.split())
    for folder, targets in allowed.items():
        for unknown in sorted(targets - allowed.keys()):
            sys.exit(f'{path}: {folder} may include {unknown}, which has no line of its own')
    return allowed


def folder_of(path, folders):
    """The listed folder holding `path` (relative, with /), or None."""
    parts = path.split('/')
    for end in range(len(parts) - 1, 0, -1):
        if '/'.join(parts[:end]) in folders:
            return '/'.join(parts[:end])
    return None


def main(layers_path, root):
    allowed = read_layers(layers_path)
    roots = sorted({folder.split('/')[0] for folder in allowed})
    problems, checked = [], 0
    for top in roots:
        for directory, _, names in sorted(os.walk(os.path.join(root, top))):
            for name in sorted(n for n in names if n.endswith(SOURCES)):
                path = os.path.relpath(os.path.join(directory, name), root).replace(os.sep, '/')
                source = folder_of(path, allowed)
                lines = open(os.path.join(root, path), encoding='utf-8', errors='replace')
                for number, line in enumerate(lines, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    checked += 1
                    include = match.group(1)
                    where = f'{path}:{number}: #include "{include}"'
                    if source is None:
                        problems.append(f'{where}: {path} is in no folder of {layers_path}')
                        continue
                    candidates = [os.path.join(os.path.dirname(path), include)]
                    candidates += [os.path.join(r, include) for r in roots]
                    found = [os.path.normpath(c).replace(os.sep, '/') for c in candidates
                             if os.path.isfile(os.path.join(root, c))]
                    target = folder_of(found[0], allowed) if found else None
                    if target is None:
                        problems.append(f'{where}: found in no folder of {layers_path}')
                    elif target != source and target not in allowed[source]:
                        problems.append(f'{where}: {source} may not include {target}')
    for problem in problems:
        print(problem)
    print(f'{checked} includes checked, {len(problems)} not allowed')
    return 1 if problems else 0


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))

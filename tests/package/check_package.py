#!/usr/bin/env python3
"""Checks a release zip as a user receives it: its files, the shipped
library's architecture, imports and version resource, the presets, the
command-line program under Wine where 32-bit programs run, and the texts.

usage: check_package.py ZIP VERSION SOURCE_DIR NATIVE_VELUMBRA
"""
import json
import os
import re
import struct
import subprocess
import sys
import tempfile
import zipfile

COPYRIGHT = "Copyright (C) 2026 The Velumbra developers"
CRLF_TEXTS = ["README.txt", "README.ja.txt", "LICENSE", "CHANGELOG.md", "THIRD-PARTY-NOTICES.txt"]
FIXED_FILES = {"Velumbra.auf", "velumbra.exe"} | set(CRLF_TEXTS)
# An absolute path of a build machine, such as a checkout or a library's source.
UNIX_PATH = re.compile(rb"(?<![./])/(?:build|home|mnt|opt|root|srv|tmp|usr|var|work)/[\w./+-]*")
IMAGE_LINK = re.compile(r'!\[[^\]\n]*\]\(<?([^\s)>]+)|<img\s[^>]*src="([^"]+)"')

failures = []


def check(condition, message):
    print(("ok:   " if condition else "FAIL: ") + message)
    if not condition:
        failures.append(message)


class PortableExecutable:
    """The header fields and directories of a PE file that the checks read."""

    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe : pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        (self.machine, sections, self.time_stamp) = struct.unpack_from("<HHI", data, pe + 4)
        optional_size, self.characteristics = struct.unpack_from("<HH", data, pe + 20)
        optional = pe + 24
        if struct.unpack_from("<H", data, optional)[0] != 0x10B:
            raise ValueError("not a 32-bit PE file")
        count = struct.unpack_from("<I", data, optional + 92)[0]
        self.directories = [struct.unpack_from("<II", data, optional + 96 + 8 * i) for i in range(count)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def offset(self, rva):
        for size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError(f"RVA {rva:#x} in no section")

    def directory(self, index):
        rva, size = self.directories[index] if index < len(self.directories) else (0, 0)
        return (self.offset(rva), size) if size else (None, 0)

    def resource_times_and_version(self):
        """The time stamps of every resource directory on the way to the
        first RT_VERSION entry, and that entry's bytes."""
        base, _ = self.directory(2)
        times = []

        def entries(offset):
            times.append(struct.unpack_from("<I", self.data, base + offset + 4)[0])
            named, ids = struct.unpack_from("<HH", self.data, base + offset + 12)
            for i in range(named + ids):
                yield struct.unpack_from("<II", self.data, base + offset + 16 + 8 * i)

        node = next((child for name, child in entries(0) if name == 16), None)
        if node is None:
            return times, None
        for _ in range(2):  # name, then language
            node = next(child for _, child in entries(node & 0x7FFFFFFF))
        rva, size = struct.unpack_from("<II", self.data, base + node)
        return times, self.data[self.offset(rva) : self.offset(rva) + size]


def version_block(data, offset):
    """One VS_VERSIONINFO node: (key, value bytes, children, end offset)."""
    length, value_length, text = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    key_end = offset + 6
    while data[key_end : key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6 : key_end].decode("utf-16-le")
    position = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if text else value_length
    value = data[position : position + value_size]
    position = (position + value_size + 3) & ~3
    children = []
    while position < end:
        child = version_block(data, position)
        children.append(child)
        position = (child[3] + 3) & ~3
    return key, value, children, end


def read_version_resource(resource):
    key, fixed, children, _ = version_block(resource, 0)
    if key != "VS_VERSION_INFO" or struct.unpack_from("<I", fixed, 0)[0] != 0xFEEF04BD:
        raise ValueError("not a VS_VERSIONINFO resource")
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIII", fixed, 8)
    split = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    strings = {}
    for name, _, tables, _ in children:
        if name == "StringFileInfo":
            for _, _, entries, _ in tables:
                for entry, value, _, _ in entries:
                    strings[entry] = value.decode("utf-16-le").rstrip("\0")
    return {
        "file": split(file_ms, file_ls),
        "product": split(product_ms, product_ls),
        "type": struct.unpack_from("<I", fixed, 36)[0],
        "strings": strings,
    }


def check_binary(path, name, version, is_library, leaks):
    data = open(path, "rb").read()
    pe = PortableExecutable(data)
    check(pe.machine == 0x14C, f"{name} is i386 (machine {pe.machine:#06x})")
    check(bool(pe.characteristics & 0x2000) == is_library,
          f"{name} is a {'DLL' if is_library else 'program'} (characteristics {pe.characteristics:#06x})")
    export, _ = pe.directory(0)
    export_time = struct.unpack_from("<I", data, export + 4)[0] if export is not None else 0
    resource_times, resource = pe.resource_times_and_version()
    check(pe.time_stamp == 0 and export_time == 0 and not any(resource_times)
          and pe.directory(6)[1] == 0,
          f"{name} holds no time stamp (header {pe.time_stamp}, exports {export_time}, "
          f"resources {resource_times}) and no debug directory")
    if resource is None:
        check(False, f"{name} has a version resource")
    else:
        info = read_version_resource(resource)
        numbers = tuple(int(part) for part in re.match(r"(\d+)\.(\d+)\.(\d+)", version).groups()) + (0,)
        strings = info["strings"]
        check(info["file"] == numbers and info["product"] == numbers
              and info["type"] == (2 if is_library else 1),
              f"{name} version numbers {info['file']} and {info['product']} (want {numbers}), "
              f"file type {info['type']}")
        check(strings.get("FileVersion") == version and strings.get("ProductVersion") == version
              and strings.get("LegalCopyright") == COPYRIGHT
              and strings.get("OriginalFilename") == name and strings.get("FileDescription"),
              f"{name} version strings for {version}: {strings}")
    leaked = [path for path in leaks if path.encode() in data]
    leaked += sorted({match.decode() for match in UNIX_PATH.findall(data)})
    check(not leaked, f"{name} holds no path of the build machine" + (f": {leaked}" if leaked else ""))


def guide_images(folder, guides):
    """The local images the guides show, relative to the package root."""
    images = set()
    for guide in guides:
        text = open(os.path.join(folder, guide), encoding="utf-8").read()
        for match in IMAGE_LINK.finditer(text):
            link = re.sub(r"[?#].*$", "", match.group(1) or match.group(2))
            if link and not re.match(r"^([a-z]+:|/|#)", link) and ".." not in link:
                images.add(os.path.normpath(os.path.join(os.path.dirname(guide), link)))
    return images


def run(command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=180, **options)


def main():
    zip_path, version, source, native_cli = sys.argv[1:5]
    with tempfile.TemporaryDirectory(prefix="velumbra-package-") as folder:
        zipfile.ZipFile(zip_path).extractall(folder)
        check_package(folder, version, source, native_cli)
    print(f"{zip_path}: {'all checks passed' if not failures else f'{len(failures)} checks failed'}")
    return 1 if failures else 0


def check_package(folder, version, source, native_cli):

    presets = sorted(name for name in os.listdir(os.path.join(source, "presets"))
                     if name.endswith(".grd") or name == "README") \
        if os.path.isdir(os.path.join(source, "presets")) else []
    guides = sorted(name for name in os.listdir(os.path.join(source, "docs"))
                    if re.fullmatch(r"guide.*\.md", name))
    shipped_guides = [f"docs/{name}" for name in guides]
    guide_pages = {f"docs/{name[:-3]}.html" for name in guides}
    expected = FIXED_FILES | {f"presets/{name}" for name in presets} | set(shipped_guides) \
        | guide_pages | guide_images(source, shipped_guides)
    files = {os.path.relpath(os.path.join(top, name), folder)
             for top, _, names in os.walk(folder) for name in names}
    check(files == expected, f"{len(files)} files as expected; missing {sorted(expected - files)}, "
          f"unexpected {sorted(files - expected)}")

    leaks = {source, os.path.realpath(source), os.path.realpath(os.path.join(source, ".deps"))}
    library = os.path.join(folder, "Velumbra.auf")
    check_binary(library, "Velumbra.auf", version, True, leaks)
    check_binary(os.path.join(folder, "velumbra.exe"), "velumbra.exe", version, False, leaks)
    imports = run(["cmake", f"-DLIBRARY={library}", "-P",
                   os.path.join(source, "tests/win32/check_import_table.cmake")])
    check(imports.returncode == 0, "Velumbra.auf imports only system DLLs and exports its entry points"
          + ("" if imports.returncode == 0 else ":\n" + imports.stdout + imports.stderr))

    grd_presets = [name for name in presets if name.endswith(".grd")]
    for name in grd_presets:
        result = run([native_cli, "info", "--json", os.path.join(folder, "presets", name)])
        report = json.loads(result.stdout or "[{}]")[0]
        check(result.returncode == 0 and report.get("format") == "Velumbra gradation"
              and len(report.get("gradients", [])) == 1,
              f"presets/{name} loads as a Velumbra gradation {result.stderr.strip()}")
    if not grd_presets:
        print("note: the repository has no presets/*.grd yet, so the package has none")

    choice = run([os.path.join(source, "scripts/windows-preset.sh"), "the packaged velumbra.exe"])
    if choice.stdout.strip() == "win32":
        result = run([os.path.join(source, "scripts/wine-run.sh"), os.path.join(folder, "velumbra.exe"),
                      "--version"])
        check(result.returncode == 0 and result.stdout.strip() == f"velumbra {version}",
              f"velumbra.exe --version under Wine says '{result.stdout.strip()}' {result.stderr.strip()}")
    else:
        print(f"skipped: velumbra.exe --version under Wine: {choice.stderr.strip()}")

    for name in CRLF_TEXTS:
        data = open(os.path.join(folder, name), "rb").read()
        try:
            data.decode("utf-8")
            utf8 = True
        except UnicodeDecodeError:
            utf8 = False
        lines = data.count(b"\n")
        check(utf8 and lines > 0 and data.count(b"\r\n") == lines == data.count(b"\r"),
              f"{name} is UTF-8 with CRLF line ends only ({lines} lines)")


if __name__ == "__main__":
    sys.exit(main())

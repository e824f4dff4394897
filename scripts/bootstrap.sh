#!/usr/bin/env bash
# Installs what the builds and their tests need, then builds the Windows
# Lua 5.1 runtime and the cross-compiled test libraries from Debian source
# packages into .deps/. Safe to run again: every step checks before it acts.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
deps="$root/.deps"

packages=(
  build-essential cmake ninja-build pkg-config clang clang-format
  libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 xvfb xauth x11-apps imagemagick
  lua5.1 liblua5.1-0-dev libstb-dev libpugixml-dev libcli11-dev fonts-ipafont-gothic
  dpkg-dev ca-certificates locales python3 strip-nondeterminism
  cmark-gfm chromium fonts-dejavu-core
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# Debian's own mirror, as this machine's apt sources name it; nothing else is
# written into the sources.
debian_mirror() {
  local uri
  uri="$(grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null |
    awk '{print $2}' | grep -v -- '-security' | head -n1 || true)"
  if [ -z "$uri" ]; then
    uri="$(grep -hsE '^deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      grep -v -- '-security' | awk '{for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) {print $i; exit}}' || true)"
  fi
  printf '%s' "$uri"
}

have_deb_src() {
  grep -hsqE '^deb-src[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null ||
    grep -hsqE '^Types:.*deb-src' /etc/apt/sources.list.d/*.sources 2>/dev/null
}

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  need_update=1
fi
if ! have_deb_src; then
  mirror="$(debian_mirror)"
  if [ -z "$mirror" ]; then
    echo "bootstrap: no Debian mirror found in the apt sources" >&2
    exit 1
  fi
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$mirror" | as_root tee /etc/apt/sources.list.d/velumbra-deb-src.sources >/dev/null
  need_update=1
fi

# 32-bit Wine is the one package whose dependencies come from a second
# architecture's indexes, which a mirror may fail to serve; without it the
# Windows tests run in the 64-bit test build (scripts/windows-preset.sh).
# chromium, large and updated often, serves only the HTML guides' check,
# which says it is skipped without it. Either missing alone asks for no
# index update: each is tried once from the indexes at hand.
is_optional() { [ "$1" = wine32:i386 ] || [ "$1" = chromium ]; }
missing=() optional=()
for p in "${packages[@]}"; do
  installed "$p" && continue
  if is_optional "$p"; then optional+=("$p"); else missing+=("$p"); fi
done
if [ ! -f "$deps/src/.lua5.1" ] || [ ! -f "$deps/src/.benchmark" ] || [ ! -f "$deps/src/.pugixml" ]; then
  need_source=1
else
  need_source=0
fi
gradients="$deps/gimp-gradients"
colormaps="$deps/matplotlib-colormaps"
if [ "${#missing[@]}" -gt 0 ] || [ "$need_source" -eq 1 ] || [ ! -f "$gradients/.complete" ] ||
  [ ! -f "$colormaps/.complete" ]; then
  need_update=1
fi

if [ "$need_update" -eq 1 ]; then
  echo "bootstrap: apt-get update"
  # A mirror caught mid-sync fails one index now and then ("File has
  # unexpected size"). Try again after a pause; if an index still fails, go
  # on with the ones that came: the install below says clearly what is missing.
  for attempt in 1 2 3; do
    if as_root apt-get update -qq; then break; fi
    if [ "$attempt" -eq 3 ]; then
      echo "bootstrap: apt-get update failed three times; going on with the indexes it has" >&2
    else
      sleep 10
    fi
  done
fi
install() { as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@"; }
if [ "${#missing[@]}" -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  install "${missing[@]}"
fi
for p in "${optional[@]}"; do
  install "$p" 2>/dev/null && continue
  case "$p" in
    wine32:i386) echo "bootstrap: no wine32:i386; the Windows tests will run in the 64-bit test build" >&2 ;;
    chromium) echo "bootstrap: no chromium; the HTML guides' browser check will be skipped" >&2 ;;
  esac
done

# A Japanese locale, so that Wine runs with code page 932 as the ANSI code
# page and the editor's captions read as they do in a Japanese host.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "bootstrap: generating the ja_JP.UTF-8 locale"
  if [ -f /etc/locale.gen ] && grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
    as_root sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
fi

# Source packages: fetched, never committed.
fetch_source() {
  local name="$1" dir="$deps/src/$1"
  [ -f "$deps/src/.$name" ] && return 0
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && apt-get source --download-only "$name" >/dev/null)
  local orig
  orig="$(ls "$dir"/*.orig.tar.* | head -n1)"
  tar -xf "$orig" -C "$dir"
  touch "$deps/src/.$name"
}
mkdir -p "$deps/src"
fetch_source lua5.1
fetch_source benchmark
fetch_source pugixml

# Windows Lua 5.1 runtimes: 32-bit for the shipped build, 64-bit for the test
# build on machines that cannot run 32-bit code. -static-libgcc keeps
# lua51.dll free of libgcc's DLL, which a bare Wine prefix does not have.
build_windows_lua() {
  local triple="$1" lua_out="$2"
  [ -f "$lua_out/bin/lua.exe" ] && [ -f "$lua_out/lib/liblua51.dll.a" ] && return 0
  echo "bootstrap: building the Windows Lua 5.1 runtime ($triple)"
  local build="$deps/build/lua5.1-$triple"
  rm -rf "$build" && mkdir -p "$build"
  cp -r "$(ls -d "$deps"/src/lua5.1/lua-5.1*/ | head -n1)"/. "$build"
  local cc="$triple-gcc -static-libgcc"
  # The package's own "mingw" target, less luac.exe (which needs the static
  # library) and with cross tools; the DLL's import library comes along.
  make -s -C "$build/src" lua.exe CC="$cc" LUA_A=lua51.dll LUA_T=lua.exe \
    AR="$cc -shared -Wl,--out-implib,liblua51.dll.a -o" \
    RANLIB="$triple-strip --strip-unneeded" \
    MYCFLAGS=-DLUA_BUILD_AS_DLL MYLIBS= MYLDFLAGS=-s >"$build/build.log" 2>&1 ||
    { cat "$build/build.log" >&2; exit 1; }
  mkdir -p "$lua_out/bin" "$lua_out/lib" "$lua_out/include"
  cp "$build/src/lua51.dll" "$build/src/lua.exe" "$lua_out/bin/"
  cp "$build/src/liblua51.dll.a" "$lua_out/lib/"
  cp "$build/src"/{lua.h,luaconf.h,lualib.h,lauxlib.h} "$build/etc/lua.hpp" "$lua_out/include/"
}
build_windows_lua i686-w64-mingw32 "$deps/lua-win32"
build_windows_lua x86_64-w64-mingw32 "$deps/lua-win64"

# Files of a Debian package, downloaded and unpacked without installing it:
# unpack_from_package PACKAGE DEST STRIP MEMBER... unpacks the package's
# MEMBERs (tar wildcards) into DEST, dropping STRIP leading path components.
unpack_from_package() {
  local package="$1" dest="$2" strip="$3" download
  shift 3
  [ -f "$dest/.complete" ] && return 0
  echo "bootstrap: unpacking $(basename "$dest") from $package"
  download="$(mktemp -d)"
  chmod 777 "$download"  # apt downloads as its own unprivileged user
  (cd "$download" && apt-get download "$package" >/dev/null)
  rm -rf "$dest" && mkdir -p "$dest"
  dpkg-deb --fsys-tarfile "$download/${package}"_*.deb |
    tar -x -C "$dest" --strip-components="$strip" --wildcards "$@"
  rm -rf "$download"
  touch "$dest/.complete"
}

# Real .ggr files for the GIMP gradient reader's tests: the gradients that
# Debian's gimp-data ships.
unpack_from_package gimp-data "$gradients" 6 './usr/share/gimp/2.0/gradients/*.ggr'

# The perceptual colour maps' published tables, for tools/presets: the one
# data file of Debian's python3-matplotlib (installing it would pull in numpy
# and more).
unpack_from_package python3-matplotlib "$colormaps" 6 \
  ./usr/lib/python3/dist-packages/matplotlib/_cm_listed.py

# pugixml for the SVG reader, as static libraries linked into the shipped
# library, so that it still imports nothing but system DLLs. A release build:
# without NDEBUG its assertions would carry this machine's source path into
# the shipped files. Built again whenever these flags change.
pugixml_flags="-std=c++17 -O2 -DNDEBUG"
build_windows_pugixml() {
  local triple="$1" out="$2"
  [ -f "$out/lib/libpugixml.a" ] && [ -f "$out/include/pugixml.hpp" ] &&
    [ "$(cat "$out/flags" 2>/dev/null)" = "$pugixml_flags" ] && return 0
  echo "bootstrap: building pugixml ($triple)"
  local source build="$deps/build/pugixml-$triple"
  source="$(ls -d "$deps"/src/pugixml/pugixml-*/src | head -n1)"
  rm -rf "$build" && mkdir -p "$build"
  # shellcheck disable=SC2086 # the flags are words
  "$triple-g++-posix" $pugixml_flags -c "$source/pugixml.cpp" -o "$build/pugixml.o" \
    >"$build/build.log" 2>&1 || { cat "$build/build.log" >&2; exit 1; }
  "$triple-ar" rcsD "$build/libpugixml.a" "$build/pugixml.o"
  mkdir -p "$out/lib" "$out/include"
  cp "$source/pugixml.hpp" "$source/pugiconfig.hpp" "$out/include/"
  cp "$build/libpugixml.a" "$out/lib/"
  printf '%s\n' "$pugixml_flags" >"$out/flags"
}
build_windows_pugixml i686-w64-mingw32 "$deps/pugixml-win32"
build_windows_pugixml x86_64-w64-mingw32 "$deps/pugixml-win64"

# With --photos, two photographs for make pictures' gradient-map example, from
# Debian's python3-skimage (both CC0): a reference and a picture to recolour.
if [ "${1:-}" = --photos ]; then
  unpack_from_package python3-skimage "$deps/photos" 7 \
    ./usr/lib/python3/dist-packages/skimage/data/coffee.png \
    ./usr/lib/python3/dist-packages/skimage/data/rocket.jpg
fi

echo "bootstrap: ready"

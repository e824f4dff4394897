#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix, quietly and
# without the Mono/Gecko install prompts. Used as CMake's cross-compiling
# emulator, so CTest runs the Windows tests through it.
#
# The loader follows the program's architecture, read from its PE header:
# i386 programs run under the 32-bit loader in build/win32/wineprefix, x86-64
# programs under the 64-bit loader in build/win64/wineprefix. Machines that
# cannot execute 32-bit code still run the 64-bit ones.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ $# -eq 0 ]; then
  echo "usage: wine-run.sh PROGRAM.exe [ARGUMENTS...]" >&2
  exit 2
fi

# The COFF machine field: 0x014c for i386, 0x8664 for x86-64.
pe_machine() {
  local pe
  pe="$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')" || return 1
  [ -n "$pe" ] || return 1
  [ "$(od -An -c -j"$pe" -N4 "$1" | tr -d ' ')" = 'PE\0\0' ] || return 1
  od -An -tx2 -j$((pe + 4)) -N2 "$1" | tr -d ' '
}

machine="$(pe_machine "$1" || true)"
case "$machine" in
  014c) arch=win32 loader=/usr/lib/wine/wine ;;
  8664) arch=win64 loader=/usr/lib/wine/wine64 ;;
  *)
    echo "wine-run.sh: $1 is not an i386 or x86-64 Windows program" >&2
    exit 2
    ;;
esac

export WINEPREFIX="${VELUMBRA_WINEPREFIX:-$root/build/$arch/wineprefix}"
export WINEARCH="$arch"
export WINELOADER="$loader"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # Several tests may start at once; one of them prepares the prefix.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  [ -f "$WINEPREFIX/system.reg" ] || timeout 300 "$loader" wineboot.exe -i >/dev/null 2>&1 || true
  timeout 120 wineserver -w || true
  flock -u 9
  exec 9>&-
fi
exec "$loader" "$@"

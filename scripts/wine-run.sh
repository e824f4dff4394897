#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix, quietly and
# without the Mono/Gecko install prompts. Used as CMake's cross-compiling
# emulator, so CTest runs the win32 tests through it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${VELUMBRA_WINEPREFIX:-$root/build/win32/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # Several tests may start at once; one of them prepares the prefix.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
  wineserver -w
  flock -u 9
fi
exec wine "$@"

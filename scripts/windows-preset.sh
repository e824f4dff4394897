#!/usr/bin/env bash
# Which Windows build's tests this machine can run: prints "win32" or "win64"
# on stdout and one line on stderr saying which and why. Some kernels run
# 64-bit user code only, and no Wine mode runs 32-bit programs there; the
# 64-bit test build then stands in for the shipped one.
#
# WINDOWS_PRESET=win32 or win64 in the environment skips the check.
#
# usage: windows-preset.sh [WHAT]   WHAT names what will run, for the notice
# (default "the Windows tests").
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
what="${1:-the Windows tests}"

case "${WINDOWS_PRESET:-}" in
  win32 | win64)
    echo "Running $what in the $WINDOWS_PRESET build, as WINDOWS_PRESET says" >&2
    echo "$WINDOWS_PRESET"
    exit 0
    ;;
  "") ;;
  *)
    echo "WINDOWS_PRESET must be win32 or win64, not '$WINDOWS_PRESET'" >&2
    exit 2
    ;;
esac

choose() {
  if [ "$1" = win32 ]; then
    echo "32-bit Windows programs run on this machine; running $what in the shipped win32 build" >&2
  else
    echo "32-bit Windows programs cannot run on this machine ($2); running $what in the 64-bit test build" >&2
  fi
  echo "$1"
  exit 0
}

last_line() { grep -v '^[[:space:]]*$' | tail -n1 | sed 's/^.*line [0-9]*: //' | cut -c1-160; }

loader=/usr/lib/wine/wine
[ -x "$loader" ] || choose win64 "the 32-bit Wine loader $loader is not installed"
# Through bash, which names an unrunnable binary plainly ("Exec format error").
if ! output="$(timeout 30 bash -c '"$0" --version' "$loader" 2>&1)"; then
  choose win64 "$(printf '%s\n' "$output" | last_line)"
fi

# A tiny i386 program that says it ran. Its first run also makes the 32-bit
# prefix, which takes some seconds.
probe_dir="$root/build/win32/probe"
probe="$probe_dir/wine-probe.exe"
if [ ! -f "$probe" ]; then
  mkdir -p "$probe_dir"
  printf '#include <stdio.h>\nint main(void) { puts("ran"); return 0; }\n' >"$probe_dir/probe.c"
  i686-w64-mingw32-gcc -s -o "$probe" "$probe_dir/probe.c"
fi
if output="$(timeout 120 "$root/scripts/wine-run.sh" "$probe" 2>&1)" && [[ "$output" == *ran* ]]; then
  choose win32
fi
reason="$(printf '%s\n' "$output" | last_line)"
choose win64 "a 32-bit test program did not run: ${reason:-no output within 120 s}"

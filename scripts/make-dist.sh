#!/usr/bin/env bash
# The release package: builds the shipped files (win32 preset), has CPack zip
# them into dist/Velumbra-<version>.zip, writes dist/SHA256SUMS and, unless
# --no-check, checks the zip (tests/package/check_package.py, which needs the
# native build's velumbra for the presets, and tests/docs/check_guides.py,
# which opens the HTML guides in chromium).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset win32 -DVELUMBRA_BENCHMARKS=OFF >/dev/null
cmake --build --preset win32 -j2 --target Velumbra velumbra guide-html
rm -rf build/win32/package
(cd build/win32 && cpack) | grep -v '^CPack: - Install\|^CPack: Install'
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build/win32/CPackConfig.cmake)"
zip="Velumbra-$version.zip"

rm -rf dist && mkdir dist
cp "build/win32/package/$zip" dist/
(cd dist && sha256sum "$zip" >SHA256SUMS)
echo "dist/$zip: $(stat -c %s "dist/$zip") bytes, sha256 $(cut -d' ' -f1 dist/SHA256SUMS)"

if [ "${1:-}" != --no-check ]; then
  cmake --preset native -DVELUMBRA_BENCHMARKS=OFF >/dev/null
  cmake --build --preset native -j2 --target velumbra
  python3 tests/package/check_package.py "dist/$zip" "$version" "$PWD" build/native/velumbra
  # The HTML guides in chromium; where it cannot run, the check says so and
  # the zip stands (exit 77: skipped).
  status=0
  python3 tests/docs/check_guides.py --zip "dist/$zip" || status=$?
  [ "$status" -eq 0 ] || [ "$status" -eq 77 ] || exit "$status"
fi

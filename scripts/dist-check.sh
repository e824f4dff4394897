#!/usr/bin/env bash
# Reproducibility: makes the release zip from two fresh clones of HEAD, each
# built from nothing in its own folder, and compares them byte for byte. The
# clones share this tree's .deps (the bootstrap's Windows libraries).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
commit="$(git -C "$root" rev-parse HEAD)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
start=$SECONDS

for tree in one two; do
  git clone --quiet --no-checkout "$root" "$work/$tree"
  git -C "$work/$tree" checkout --quiet --detach "$commit"
  ln -s "$(realpath "$root/.deps")" "$work/$tree/.deps"
  echo "== building the package in $work/$tree"
  "$work/$tree/scripts/make-dist.sh" --no-check >"$work/$tree.log" 2>&1 ||
    { cat "$work/$tree.log" >&2; exit 1; }
  tail -n1 "$work/$tree.log"
done

one="$(ls "$work"/one/dist/*.zip)"
two="$(ls "$work"/two/dist/*.zip)"
if cmp "$one" "$two"; then
  echo "dist-check: $(basename "$one") is the same bytes from both clones ($((SECONDS - start)) s)"
else
  echo "dist-check: the two builds of $(basename "$one") differ:" >&2
  mkdir "$work/one-files" "$work/two-files"
  unzip -q "$one" -d "$work/one-files" && unzip -q "$two" -d "$work/two-files"
  diff -rq "$work/one-files" "$work/two-files" >&2 || true
  exit 1
fi

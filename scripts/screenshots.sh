#!/usr/bin/env bash
# Regenerates the README's screenshots in docs/screenshots with the headless
# host: the start scene, the addition entry screen with a typed system, a step
# of its worked solution and a page of the addition guide; phone-sized, at two
# pixels per point.
#
#   scripts/screenshots.sh             builds build/release (as run.sh does) and uses it
#   scripts/screenshots.sh BUILD_DIR   uses the duolinear already built in BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
  build="$1"
else
  bash scripts/setup.sh
  build=build/release
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDUOLINEAR_TESTS=OFF -DDUOLINEAR_BENCHMARKS=OFF
  cmake --build "$build" -j "$(nproc)"
fi
if [ ! -x "$build/duolinear" ]; then
  echo "No duolinear in $build: build it first." >&2
  exit 1
fi

out="$PWD/docs/screenshots"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Fresh preferences, so that every option row shows its first choice.
cat > "$work/screenshots.script" <<EOF
screenshot $out/start.png
tap-button Addition
tap-button Enter a system
# 2x + 3y = 5 and x − y = 0
tap-button 2
tap-button I2
tap-button 3
tap-button I3
tap-button 5
tap-button I65
tap-button 1
tap-button I66
tap-button 1
tap-button +/-
screenshot $out/entry.png
tap-button 🤔
# Two taps low on the right: the third step.
tap 300 830
tap 300 830
screenshot $out/step.png
back
back
tap-button Guide
tap-button technique
screenshot $out/guide.png
EOF
"$build/duolinear" --headless --scale 2 --preferences "$work/preferences.json" --script "$work/screenshots.script"
echo "Wrote $out/start.png, entry.png, step.png and guide.png"

#!/usr/bin/env bash
# Installs what is missing, builds the app and starts it in a window.
# Extra arguments go to the app (see README).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDUOLINEAR_TESTS=OFF -DDUOLINEAR_BENCHMARKS=OFF
cmake --build "$build" -j "$(nproc)"
if [ -x "$build/duolinear" ]; then
  exec "$build/duolinear" "$@"
else
  echo "The app is not built yet: only the libraries and their tests exist so far."
fi

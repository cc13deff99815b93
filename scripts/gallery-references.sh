#!/usr/bin/env bash
# Rewrites the gallery's reference pictures (tests/gallery/reference/) from
# what the drawings draw now, after a deliberate change of a picture: removes
# the old references, runs the gallery test once to write new ones, runs it
# again to check them, and lists what changed. Look at every changed picture
# before committing it with the change that made it.
#
#   scripts/gallery-references.sh             uses build/sanitize (as test.sh builds it)
#   scripts/gallery-references.sh BUILD_DIR   uses the build folder BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/sanitize}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDUOLINEAR_SANITIZE=ON -DDUOLINEAR_WERROR=ON \
    -DDUOLINEAR_BENCHMARKS=OFF
fi
cmake --build "$build" --target test_gallery
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
references=tests/gallery/reference
mkdir -p "$references"
rm -f "$references"/*.png
DUOLINEAR_GALLERY_UPDATE=1 "$build/test_gallery" --gtest_brief=1
"$build/test_gallery" --gtest_brief=1
git status --short -- "$references"

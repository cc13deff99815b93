#!/usr/bin/env bash
# Rewrites the gallery's reference pictures (tests/gallery/reference/) from
# what the drawings draw now, after a deliberate change of a picture: runs the
# gallery test once to write each picture that no longer matches its
# reference (or has none), removes the references of pictures the gallery no
# longer draws, runs the test again to check, and lists what changed. Look at
# every changed picture before committing it with the change that made it.
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
drawn="$build/gallery"
mkdir -p "$references"
rm -rf "$drawn"
DUOLINEAR_GALLERY_UPDATE=1 "$build/test_gallery" --gtest_brief=1
for reference in "$references"/*.png; do
  [ -e "$reference" ] || continue
  [ -e "$drawn/$(basename "$reference")" ] || rm -f "$reference"
done
"$build/test_gallery" --gtest_brief=1
git status --short -- "$references"

#!/usr/bin/env bash
# Plants deliberate faults, one at a time, in the sources of one folder and
# runs that folder's tests after each: a fault the tests let pass is a place
# where they do not look. A tool for developers, not part of CI (it takes
# minutes).
#
#   scripts/mutants.sh FOLDER [COUNT] [SEED]
#
#   FOLDER  a folder under src/ (algebra, linear_steps, solver, renderer,
#           keypads, layout, layout/drawing ...); its tests are the test
#           executables of tests/FOLDER and of its subfolders
#   COUNT   how many faults to plant (default 40)
#   SEED    seed of the draw (default 1): the same seed and sources plant the
#           same faults
#
# Environment: JOBS (parallel compile jobs, default 4), MUTANTS_DIR (default
# build/mutants), TESTS (test names to run instead, e.g. "layout layout_drawing").
#
# A fault is drawn as a line of the folder's .cpp files that holds an
# operator, a literal or a whole statement, then one change on that line: a
# comparison flipped (< and <=, == and !=), an arithmetic or logical operator
# swapped, a number changed (0 and 1 swapped, else one added), true and false
# swapped, a string emptied, a condition negated, a "!" dropped, or the
# statement deleted. A fault that does not compile is replaced by another
# draw. Sizes in template arguments (std::array<T, 5>) and reserve() calls are
# left alone: changing them cannot change what the code does. The work
# happens on a copy of the sources under MUTANTS_DIR (a Debug build without
# sanitizers, with the standard library's assertions), so the worktree is
# never touched; the mutated file of the copy is restored after each fault,
# on interrupt too.
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

folder="${1:?usage: scripts/mutants.sh FOLDER [COUNT] [SEED]}"
folder="${folder%/}"
count="${2:-40}"
seed="${3:-1}"
jobs="${JOBS:-4}"
dir="${MUTANTS_DIR:-build/mutants}"
[ -d "src/$folder" ] || { echo "No folder src/$folder" >&2; exit 2; }

# The copy: files that git knows (tracked, or new and not ignored); a file is
# copied only when its content differs, so incremental builds stay incremental.
source_copy="$dir/source"
build="$dir/build"
mkdir -p "$source_copy"
git ls-files -co --exclude-standard | sort > "$dir/files"
while IFS= read -r f; do
  if [ -f "$f" ] && ! cmp -s "$f" "$source_copy/$f"; then
    mkdir -p "$source_copy/$(dirname "$f")"
    cp "$f" "$source_copy/$f"
  fi
done < "$dir/files"
(cd "$source_copy" && find . -type f | sed 's|^\./||' | sort) | comm -23 - "$dir/files" |
  while IFS= read -r stale; do rm -f "$source_copy/$stale"; done

# With the standard library's checks, an index one past the end fails at once.
cmake -S "$source_copy" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDUOLINEAR_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS >/dev/null

# The folder's tests: tests/FOLDER and its subfolders, each test executable
# named after its path (tests/layout/drawing -> layout_drawing).
if [ -n "${TESTS:-}" ]; then
  read -r -a tests <<<"$TESTS"
else
  tests=()
  targets="$(ninja -C "$build" -t targets all)"
  while IFS= read -r d; do
    name="${d#tests/}"
    name="${name//\//_}"
    if grep -q "^test_$name:" <<<"$targets"; then tests+=("$name"); fi
  done < <(find "tests/$folder" -type d 2>/dev/null | sort)
fi
[ ${#tests[@]} -gt 0 ] || { echo "No test executable for $folder (set TESTS)" >&2; exit 2; }
targets_to_build=("${tests[@]/#/test_}")
test_regex="^($(IFS='|'; echo "${tests[*]}"))\$"

build_tests() { cmake --build "$build" -j "$jobs" --target "${targets_to_build[@]}" >"$dir/build.log" 2>&1; }
run_tests() { ctest --test-dir "$build" -R "$test_regex" --timeout "$1" --stop-on-failure >"$dir/test.log" 2>&1; }

echo "Building ${targets_to_build[*]} in $build ..."
build_tests || { cat "$dir/build.log" >&2; echo "The unchanged sources do not build." >&2; exit 1; }
started=$SECONDS
run_tests 600 || { cat "$dir/test.log" >&2; echo "The tests fail without any fault." >&2; exit 1; }
timeout=$(((SECONDS - started) * 3 + 20))

# Every fault that can be planted: file TAB line TAB what changes TAB the new line.
faults="$dir/faults.tsv"
find "$source_copy/src/$folder" -name '*.cpp' | sort | xargs awk '
  function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }
  function ident(c) { return c ~ /[A-Za-z0-9_]/ }
  # The line with string and character contents replaced by "~" and comments
  # by blanks, so that positions match the original; records the strings.
  function mask(s,    out, i, n, c, q) {
    out = ""; n = length(s); i = 1; strings = 0
    while (i <= n) {
      c = substr(s, i, 1)
      if (inBlock) {
        if (substr(s, i, 2) == "*/") { inBlock = 0; out = out "  "; i += 2 } else { out = out " "; i++ }
        continue
      }
      if (substr(s, i, 2) == "//") { while (i <= n) { out = out " "; i++ } break }
      if (substr(s, i, 2) == "/*") { inBlock = 1; out = out "  "; i += 2; continue }
      if (c == "\"" || c == "\047") {
        q = c; out = out c
        if (q == "\"") stringFrom[++strings] = i
        i++
        while (i <= n && substr(s, i, 1) != q) {
          if (substr(s, i, 1) == "\\") { out = out "~~"; i += 2 } else { out = out "~"; i++ }
        }
        if (q == "\"") stringTo[strings] = i
        out = out q; i++
        continue
      }
      out = out c; i++
    }
    return out
  }
  function emit(what, text) { print FILENAME "\t" FNR "\t" what "\t" text }
  function splice(from, len, by) { return substr(line, 1, from - 1) by substr(line, from + len) }
  FNR == 1 { inBlock = 0; previousEnd = "{" }
  {
    line = $0
    m = mask(line)
    t = trim(m)
    if (t == "") next
    if (t ~ /^#/ || t ~ /static_assert/) { previousEnd = ";"; next }
    # Operators, written with a blank on each side as the formatter leaves them.
    nops = split("<= >= < > == != + - * / && || += -= *= /=", from, " ")
    split("< > <= >= != == - + / * || && -= += /= *=", to, " ")
    for (k = 1; k <= nops; k++) {
      pattern = " " from[k] " "; start = 1
      while ((at = index(substr(m, start), pattern)) > 0) {
        p = start + at
        # "+" joining strings has no "-" to become.
        if (!(from[k] ~ /^[-+]/ && (substr(m, p - 2, 1) == "\"" || substr(m, p + length(from[k]) + 1, 1) == "\"")))
          emit(from[k] " -> " to[k], splice(p, length(from[k]), to[k]))
        start = p
      }
    }
    # Numbers without suffix: 0 and 1 swapped, else one added to the whole part.
    n = length(m)
    for (i = 1; i <= n; i++) {
      c = substr(m, i, 1)
      if (c !~ /[0-9]/ || (i > 1 && substr(m, i - 1, 1) ~ /[A-Za-z0-9_.]/)) continue
      j = i; while (j <= n && substr(m, j, 1) ~ /[0-9]/) j++
      whole = substr(m, i, j - i)
      if (substr(m, j, 1) == "." && substr(m, j + 1, 1) ~ /[0-9]/) { j++; while (j <= n && substr(m, j, 1) ~ /[0-9]/) j++ }
      literal = substr(m, i, j - i)
      if (substr(m, j, 1) !~ /[A-Za-z_.\047>]/) {
        if (literal == "0") by = "1"; else if (literal == "1") by = "0"; else by = (whole + 1) substr(literal, length(whole) + 1)
        emit(literal " -> " by, splice(i, length(literal), by))
      }
      i = j
    }
    # true and false.
    for (i = 1; i <= n; i++) {
      if ((i > 1 && ident(substr(m, i - 1, 1)))) continue
      if (substr(m, i, 4) == "true" && !ident(substr(m, i + 4, 1))) emit("true -> false", splice(i, 4, "false"))
      if (substr(m, i, 5) == "false" && !ident(substr(m, i + 5, 1))) emit("false -> true", splice(i, 5, "true"))
    }
    # Strings emptied.
    for (k = 1; k <= strings; k++)
      if (stringTo[k] > stringFrom[k] + 1 && line !~ /extern "C"/)
        emit("string " substr(line, stringFrom[k], stringTo[k] - stringFrom[k] + 1) " emptied", splice(stringFrom[k] + 1, stringTo[k] - stringFrom[k] - 1, ""))
    # "!" dropped.
    for (i = 1; i <= n; i++)
      if (substr(m, i, 1) == "!" && substr(m, i + 1, 1) != "=") emit("! dropped", splice(i, 1, ""))
    # Conditions of if and while negated, when they close on the same line.
    for (i = 1; i <= n; i++) {
      if (i > 1 && ident(substr(m, i - 1, 1))) continue
      if (substr(m, i, 4) == "if (") open = i + 3; else if (substr(m, i, 7) == "while (") open = i + 6; else continue
      depth = 0
      for (j = open; j <= n; j++) {
        c = substr(m, j, 1)
        if (c == "(") depth++
        else if (c == ")" && --depth == 0) break
      }
      if (j <= n)
        emit("condition negated", substr(line, 1, open) "!(" substr(line, open + 1, j - open - 1) ")" substr(line, j))
    }
    # A whole statement deleted.
    if (t ~ /;$/ && previousEnd ~ /[;{}:]/ && t !~ /\.reserve\(/ &&
        t !~ /^(return|break|continue|using|namespace|friend|template|struct|class|enum|case|default|[}])/)
      emit("statement deleted", "")
    previousEnd = substr(t, length(t), 1)
  }' >"$faults"

mapfile -t fault_lines <"$faults"
# Lines that hold at least one fault, each with the range of its faults.
line_first=() line_count=()
previous=""
for i in "${!fault_lines[@]}"; do
  IFS=$'\t' read -r f l _ <<<"${fault_lines[$i]}"
  if [ "$f:$l" != "$previous" ]; then line_first+=("$i"); line_count+=(0); previous="$f:$l"; fi
  line_count[-1]=$((line_count[-1] + 1))
done
echo "$folder: ${#line_first[@]} lines hold ${#fault_lines[@]} faults; planting $count (seed $seed); tests: ${tests[*]} (timeout ${timeout} s)"

RANDOM=$seed
draw() { drawn=$(((RANDOM * 32768 + RANDOM) % $1)); }

mutated_file=""
backup="$dir/original"
restore() {
  if [ -n "$mutated_file" ]; then
    cp "$backup" "$mutated_file"
    mutated_file=""
  fi
}
trap restore EXIT
trap 'exit 130' INT TERM

declare -A tried=()
killed=0 survived=0 not_built=0
survivors=()
while [ $((killed + survived)) -lt "$count" ]; do
  if [ $((not_built + ${#tried[@]})) -gt $((count * 10 + 100)) ] || [ ${#tried[@]} -ge ${#fault_lines[@]} ]; then
    echo "Ran out of faults that build." >&2
    break
  fi
  draw ${#line_first[@]}
  line_index=$drawn
  draw "${line_count[$line_index]}"
  index=$((line_first[line_index] + drawn))
  [ -z "${tried[$index]:-}" ] || continue
  tried[$index]=1
  IFS=$'\t' read -r file line what text <<<"${fault_lines[$index]}"
  shown="${file#"$source_copy"/}:$line"
  original="$(sed -n "${line}p" "$file")"

  cp "$file" "$backup"
  mutated_file="$file"
  TEXT="$text" awk -v at="$line" 'NR == at { print ENVIRON["TEXT"]; next } { print }' "$backup" >"$file"
  number=$((killed + survived + 1))
  if ! build_tests; then
    not_built=$((not_built + 1))
    restore
    continue
  fi
  if run_tests "$timeout"; then
    survived=$((survived + 1))
    verdict="SURVIVED"
    survivors+=("$shown  $what"$'\n'"      was: $(trim="${original#"${original%%[! ]*}"}"; echo "$trim")"$'\n'"      now: $(trim="${text#"${text%%[! ]*}"}"; echo "${trim:-(deleted)}")")
  else
    killed=$((killed + 1))
    if grep -q "Timeout" "$dir/test.log"; then verdict="killed (timeout)"; else verdict="killed"; fi
  fi
  restore
  printf '[%2d/%d] %-16s %s  %s\n' "$number" "$count" "$verdict" "$shown" "$what"
done

# Leave the build matching the unchanged sources.
build_tests || true

echo
if [ ${#survivors[@]} -gt 0 ]; then
  echo "Survivors:"
  for s in "${survivors[@]}"; do echo "  $s"; done
  echo
fi
total=$((killed + survived))
if [ "$total" -gt 0 ]; then
  awk -v k="$killed" -v t="$total" -v nb="$not_built" -v f="$folder" \
    'BEGIN { printf "%s: %d of %d faults caught (%.1f%%); %d drawn faults did not build and were replaced\n", f, k, t, 100 * k / t, nb }'
fi

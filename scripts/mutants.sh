#!/usr/bin/env bash
# Plants deliberate faults, one at a time, in the sources of one folder and
# runs the tests that can see them after each: a fault the tests let pass is
# a place where they do not look. A tool for developers, not part of CI (it
# takes minutes).
#
#   scripts/mutants.sh FOLDER [COUNT] [SEED]
#
#   FOLDER  a folder under src/ (algebra, linear_steps, solver, renderer,
#           keypads, layout, layout/drawing ...)
#   COUNT   how many faults to plant (default 40)
#   SEED    seed of the draw (default 1): the same seed and sources plant the
#           same faults
#
# Environment: JOBS (parallel compile and test jobs, default 4), MUTANTS_DIR
# (default build/mutants), TESTS (test names to run instead, e.g. "layout
# layout_drawing").
#
# The tests run are read from the build's own link graph (CMake's graphviz
# output): the libraries built from the folder's sources, every library or
# program that links one of them directly or through others, and then every
# test executable that links one of those. So a fault in src/algebra runs the
# tests of every folder built on it (the solver's and the quadratic solver's
# among them), and one in src/keypads the keypads and screens tests. Two runs
# in one MUTANTS_DIR would plant faults in the same copy: the second refuses
# to start.
#
# A fault is drawn as a line of the folder's .cpp and .h files that holds an
# operator, a literal or a whole statement, then one change on that line: a
# comparison flipped (< and <=, == and !=), an arithmetic or logical operator
# swapped (% becomes /), ++ and -- swapped, a unary minus dropped, a number
# changed (0 and 1 swapped, else one added), true and false swapped, a string
# emptied, a condition of if or while negated (one that spans lines too), a
# "!" dropped, the branches of ?: swapped, a returned value replaced by {}
# (zero, false, empty) or by true, a break or continue removed, or the
# statement deleted. A fault that does not compile is replaced by another draw
# and counted, and so is one in a .cpp file that compiles at -O2 to the same
# object file as the unchanged file (the same program, which no test could
# tell apart); those are listed. A fault that compiles but makes a program the
# build runs fail (the guides' drawer) was caught by the build: it counts as
# caught, and the score says how many were. Lines the preprocessor drops in this build (a
# branch of #if that is not taken) are left alone: they are not compiled, so
# no test could see a change to them. Sizes in template arguments
# (std::array<T, 5>), lines that call reserve() and statements "(void)name;"
# are left alone too: changing them cannot change what the code does, and
# neither can deleting a declaration "= delete;" (the build fails, or nothing
# used it). The work happens on a copy of the sources under MUTANTS_DIR (a
# Debug build without sanitizers, with the standard library's assertions), so
# the worktree is never touched; the mutated file of the copy is restored
# after each fault, on interrupt too. The score is printed with its margin (a
# 95% binomial interval: about +-10 points with 40 faults).
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
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"
# One run at a time in a working folder: a second would mutate the same copy
# and judge faults it did not plant. The lock goes with the process: every
# program this script starts is given no copy of its descriptor (9>&-), so
# that nothing left running after the script (an X server a stopped test had
# started, say) keeps the folder locked.
exec 9>"$dir/lock"
flock -n 9 || { echo "Another run is using $dir (set MUTANTS_DIR to run beside it)" >&2; exit 2; }

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
  -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS --graphviz="$dir/graph/links.dot" >/dev/null 9>&-

# From the build: the lines of the folder's files that the preprocessor keeps
# (file TAB line, into active.tsv), and the tests that can see the folder.
folder_files=()
mapfile -t folder_files < <(find "$source_copy/src/$folder" \( -name '*.cpp' -o -name '*.h' \) | sort)
mapfile -t found_tests < <(python3 - "$build" "$source_copy/src/$folder" "$dir/graph/links.dot" "$dir/active.tsv" "$jobs" "${folder_files[@]}" 9>&- <<'PY'
import json, os, re, shlex, subprocess, sys
from concurrent.futures import ThreadPoolExecutor

build, folder, dot, active_out, jobs, *files = sys.argv[1:]
entries = json.load(open(os.path.join(build, "compile_commands.json")))
owner = {}     # source file -> the target it is compiled into
command = {}   # source file -> its compile command
for e in entries:
    m = re.search(r"CMakeFiles/([^/]+)\.dir/", e["command"])
    if m:
        owner[e["file"]] = m.group(1)
        command[e["file"]] = e["command"]

def flags_of(donor):
    """The compile command of donor without its output, input and dependency
    files."""
    args, skip = [], False
    for a in shlex.split(command[donor]):
        if skip:
            skip = False
        elif a in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
        elif a in ("-c", "-MD", "-MMD", donor):
            pass
        else:
            args.append(a)
    return args

def preprocess_args(path):
    """The compile command of the file (a header borrows one from a .cpp beside
    it, or else from the folder) turned into a preprocessor run."""
    donor = path if path in command else None
    if donor is None:
        here = os.path.dirname(path)
        near = sorted(f for f in command if os.path.dirname(f) == here)
        wide = sorted(f for f in command if f.startswith(folder + "/"))
        donor = (near or wide or [None])[0]
    if donor is None:
        return None
    return flags_of(donor) + ["-E", "-x", "c++", path]

# Each .cpp file's command for an optimised object without debug information,
# the output file's name to be appended: two texts that compile to the same
# object are the same program.
with open(os.path.join(os.path.dirname(active_out), "optimised.tsv"), "w") as out:
    for path in files:
        if path in command:
            args = flags_of(path) + ["-O2", "-g0", "-c", path, "-o"]
            out.write(f"{path}\t{shlex.join(args)}\n")

def active_lines(path):
    args = preprocess_args(path)
    if args is None:
        return path, None
    run = subprocess.run(args, capture_output=True, text=True, cwd=build)
    if run.returncode != 0:
        return path, None
    lines, current, number = set(), None, 0
    for text in run.stdout.split("\n"):
        marker = re.match(r'# (\d+) "(.*)"', text)
        if marker:
            number, current = int(marker.group(1)), marker.group(2)
            continue
        if current == path and text.strip():
            lines.add(number)
        number += 1
    return path, lines

with open(active_out, "w") as out, ThreadPoolExecutor(max(1, int(jobs))) as pool:
    for path, lines in pool.map(active_lines, files):
        if lines is None:  # not preprocessed: every line counts
            out.write(f"{path}\t*\n")
        for n in sorted(lines or ()):
            out.write(f"{path}\t{n}\n")

links = {}
for text in open(dot):
    m = re.search(r"// (\S+) -> (\S+)\s*$", text)
    if m:
        links.setdefault(m.group(1), set()).add(m.group(2))
libraries = {owner[f] for f in owner if f.startswith(folder + "/") and not owner[f].startswith("test_")}
# Every library or program that reaches the folder's libraries through links,
# directly or through others: a fault in src/algebra reaches the solver's tests.
seen = set(libraries)
while True:
    more = {t for t, to in links.items() if to & seen and not t.startswith("test_")} - seen
    if not more:
        break
    seen |= more
tests = sorted(t for t, to in links.items() if t.startswith("test_") and to & seen)
print("\n".join(t[len("test_"):] for t in tests))
PY
)

if [ -n "${TESTS:-}" ]; then
  read -r -a tests <<<"$TESTS"
else
  tests=("${found_tests[@]}")
fi
[ ${#tests[@]} -gt 0 ] || { echo "No test executable for $folder (set TESTS)" >&2; exit 2; }
targets_to_build=("${tests[@]/#/test_}")
test_regex="^($(IFS='|'; echo "${tests[*]}"))\$"

build_tests() { cmake --build "$build" -j "$jobs" --target "${targets_to_build[@]}" >"$dir/build.log" 2>&1 9>&-; }
# The tests run in a session of their own, which is ended with everything
# still in it once ctest returns: a test that ctest stops on time-out leaves
# nothing behind, not even the X server that xvfb-run started for it.
tests_session=""
end_tests_session() {
  [ -n "$tests_session" ] || return 0
  if kill -0 -- "-$tests_session" 2>/dev/null; then
    kill -TERM -- "-$tests_session" 2>/dev/null || true
    sleep 1
    kill -KILL -- "-$tests_session" 2>/dev/null || true
  fi
  tests_session=""
}
run_tests() {  # TIMEOUT
  local status=0
  setsid ctest --test-dir "$build" -R "$test_regex" -j "$jobs" --timeout "$1" --stop-on-failure \
    >"$dir/test.log" 2>&1 9>&- &
  tests_session=$!
  wait "$tests_session" || status=$?
  end_tests_session
  return "$status"
}

echo "Building ${targets_to_build[*]} in $build ..."
started=$SECONDS
build_tests || { cat "$dir/build.log" >&2; echo "The unchanged sources do not build." >&2; exit 1; }
# The build runs programs made from the sources (the guides are drawn by one),
# so a fault can make the build itself run for ever. A build after a fault may
# take twice the first one (which built what the copy changed), and five
# minutes at least; one that takes longer is stopped, and the fault counts as
# caught, as one whose tests run out of time does.
build_limit=$(((SECONDS - started) * 2))
[ "$build_limit" -ge 300 ] || build_limit=300
timed_build() { timeout --kill-after=10 "$build_limit" cmake --build "$build" -j "$jobs" --target "${targets_to_build[@]}" >"$dir/build.log" 2>&1 9>&-; }
# Whether a failed build failed in a program it ran (the guides' drawer, which
# exits 1 when a page overflows and stops on an assertion) rather than in
# compiling or linking: every step ninja reports as failed made some other
# file than an object, an archive or a program. Such a fault compiled, and
# the build caught it.
build_ran_a_failing_program() {
  awk '/^FAILED: / {
      failed++
      n = split($2, part, "/"); name = part[n]
      if (name ~ /\.(o|a|so)$/ || name !~ /\./) compiled++
    }
    END { exit !(failed > 0 && compiled == 0) }' "$dir/build.log"
}
started=$SECONDS
run_tests 600 || { cat "$dir/test.log" >&2; echo "The tests fail without any fault." >&2; exit 1; }
timeout=$(((SECONDS - started) * 3 + 20))

# Every fault that can be planted: file TAB line TAB what changes TAB the new
# line, and for a condition that spans lines, TAB its last line TAB that
# line's new text.
faults="$dir/faults.tsv"
printf '%s\n' "${folder_files[@]}" | xargs awk -v activeFile="$dir/active.tsv" '
  BEGIN {
    while ((getline entry < activeFile) > 0) { split(entry, part, "\t"); active[part[1], part[2]] = 1 }
    # Binary operators, written with a blank on each side as the formatter leaves them.
    nops = split("<= >= < > == != + - * / % && || += -= *= /= %=", from, " ")
    split("< > <= >= != == - + / * / || && -= += /= *= /=", to, " ")
  }
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
  # The last non-blank character of m before position i, or "" at the start.
  function before(i) { while (--i >= 1 && substr(m, i, 1) == " ") ; return i >= 1 ? substr(m, i, 1) : "" }
  FNR == 1 { inBlock = 0; previousEnd = "{"; pending = 0 }
  {
    line = $0
    m = mask(line)
    t = trim(m)
    n = length(m)
    # The rest of a condition of if or while that opened on an earlier line:
    # where it closes, the whole condition is negated.
    if (pending) {
      for (j = 1; j <= n; j++) {
        c = substr(m, j, 1)
        if (c == "(") pendingDepth++
        else if (c == ")" && --pendingDepth == 0) break
      }
      if (j <= n) {
        print FILENAME "\t" pendingLine "\tcondition negated (to line " FNR ")\t" pendingText "\t" FNR "\t" substr(line, 1, j - 1) ")" substr(line, j)
        pending = 0
      }
    }
    if (t == "") next
    if (t ~ /^#/ || t ~ /static_assert/ || t ~ /reserve\(/) { previousEnd = ";"; next }
    if (!((FILENAME, "*") in active) && !((FILENAME, FNR) in active)) { previousEnd = ";"; next }
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
    # ++ and -- swapped.
    for (i = 1; i < n; i++) {
      two = substr(m, i, 2)
      if ((two == "++" || two == "--") && substr(m, i + 2, 1) != substr(two, 1, 1) && substr(m, i - 1, 1) != substr(two, 1, 1)) {
        emit(two " -> " (two == "++" ? "--" : "++"), splice(i, 2, two == "++" ? "--" : "++"))
        i++
      }
    }
    # A unary minus dropped: a "-" with no operand before it.
    for (i = 1; i < n; i++) {
      if (substr(m, i, 1) != "-" || substr(m, i + 1, 1) !~ /[A-Za-z0-9_(]/ || substr(m, i - 1, 1) == "-") continue
      b = before(i)
      if (b == "" || b ~ /[(,=[{?:!<>+*\/%&|^~-]/ || substr(m, 1, i - 1) ~ /(^|[^A-Za-z0-9_])return *$/)
        emit("unary - dropped", splice(i, 1, ""))
    }
    # Numbers without suffix: 0 and 1 swapped, else one added to the whole part.
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
    # The branches of ?: swapped, when the whole expression is on the line.
    start = 1
    while ((at = index(substr(m, start), " ? ")) > 0) {
      q = start + at; start = q + 1; depth = 0; nested = 0
      for (j = q + 2; j <= n; j++) {
        c = substr(m, j, 1)
        if (c ~ /[([{]/) depth++
        else if (c ~ /[)\]}]/ && --depth < 0) break
        else if (depth == 0 && substr(m, j, 3) == " ? ") nested++
        else if (depth == 0 && substr(m, j, 3) == " : " && nested-- == 0) break
      }
      if (j > n || substr(m, j, 3) != " : ") continue
      colon = j; depth = 0
      for (e = colon + 3; e <= n; e++) {
        c = substr(m, e, 1)
        if (c ~ /[([{]/) depth++
        else if (c ~ /[)\]}]/ && --depth < 0) break
        else if (depth == 0 && (c == "," || c == ";")) break
      }
      whenTrue = substr(line, q + 2, colon - q - 2)
      whenFalse = trim(substr(line, colon + 3, e - colon - 3))
      if (whenFalse != "")
        emit("?: branches swapped", substr(line, 1, q + 1) whenFalse " : " whenTrue substr(line, colon + 3 + length(whenFalse)))
    }
    # A returned value replaced by {} (zero, false, an empty result) or by true.
    if (t ~ /^return .+;$/ && gsub(/;/, ";", t) == 1) {
      r = index(m, "return ")
      value = trim(substr(line, r + 7, index(m, ";") - r - 7))
      if (value !~ /^(true|false|0|1|\{\}|nullptr|std::nullopt)$/) {
        emit("returned value -> {}", substr(line, 1, r + 6) "{};" substr(line, index(m, ";") + 1))
        emit("returned value -> true", substr(line, 1, r + 6) "true;" substr(line, index(m, ";") + 1))
      }
    }
    # break and continue removed.
    for (i = 1; i <= n; i++) {
      if (i > 1 && ident(substr(m, i - 1, 1))) continue
      if (substr(m, i, 6) == "break;") emit("break removed", splice(i, 5, ""))
      if (substr(m, i, 9) == "continue;") emit("continue removed", splice(i, 8, ""))
    }
    # Conditions of if and while negated; one that does not close on this
    # line is finished where it closes.
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
      else if (!pending) {
        pending = 1; pendingLine = FNR; pendingDepth = depth
        pendingText = substr(line, 1, open) "!(" substr(line, open + 1)
      }
    }
    # A whole statement deleted.
    if (t ~ /;$/ && previousEnd ~ /[;{}:]/ &&
        t !~ /^(return|break|continue|using|namespace|friend|template|struct|class|enum|case|default|[}])/ &&
        t !~ /^\(void\) *[A-Za-z_][A-Za-z0-9_]* *;$/ && t !~ /= *delete;$/)
      emit("statement deleted", "")
    previousEnd = substr(t, length(t), 1)
  }' | sort -t "$(printf '\t')" -k1,1 -k2,2n -s >"$faults"

mapfile -t fault_lines <"$faults"
# Lines that hold at least one fault, each with the range of its faults.
line_first=() line_count=()
previous=""
for i in "${!fault_lines[@]}"; do
  IFS=$'\t' read -r f l _ <<<"${fault_lines[$i]}"
  if [ "$f:$l" != "$previous" ]; then line_first+=("$i"); line_count+=(0); previous="$f:$l"; fi
  line_count[-1]=$((line_count[-1] + 1))
done
echo "$folder: ${#line_first[@]} lines hold ${#fault_lines[@]} faults; planting $count (seed $seed)"
echo "tests: ${tests[*]} (timeout ${timeout} s)"

RANDOM=$seed
draw() { drawn=$(((RANDOM * 32768 + RANDOM) % $1)); }

# A fault in a .cpp file that compiles at -O2 to the very object file of the
# unchanged text is the same program (a break before "default: break;", a
# value stored and then overwritten): no test can tell the two apart, so it is
# replaced by another draw, as one that does not compile is. Headers are not
# compared: each reaches many files.
objects="$dir/objects"
rm -rf "$objects"
mkdir -p "$objects"
optimised_object() {  # FILE OUTPUT
  local args
  args=$(awk -F'\t' -v f="$1" '$1 == f { print $2; exit }' "$dir/optimised.tsv")
  [ -n "$args" ] || return 1
  (cd "$build" && eval "$args \"\$2\"") >/dev/null 2>&1 9>&-
}
reference_object() {  # FILE, unchanged: the name of its object, made once
  reference="$objects/$(printf '%s' "$1" | md5sum | cut -c1-16).o"
  [ -f "$reference" ] || optimised_object "$1" "$reference" || rm -f "$reference"
}

mutated_file=""
backup="$dir/original"
restore() {
  if [ -n "$mutated_file" ]; then
    cp "$backup" "$mutated_file"
    mutated_file=""
  fi
}
trap 'end_tests_session; restore' EXIT
trap 'exit 130' INT TERM

declare -A tried=()
killed=0 survived=0 not_built=0 same=0 caught_by_build=0
survivors=() same_faults=()
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
  IFS=$'\t' read -r file line what text last_line last_text <<<"${fault_lines[$index]}"
  shown="${file#"$source_copy"/}:$line"
  original="$(sed -n "${line}p" "$file")"

  cp "$file" "$backup"
  reference=""
  [[ "$file" != *.cpp ]] || reference_object "$file"
  mutated_file="$file"
  TEXT="$text" LAST_TEXT="${last_text:-}" awk -v at="$line" -v last="${last_line:-0}" '
    NR == at { print ENVIRON["TEXT"]; next }
    NR == last { print ENVIRON["LAST_TEXT"]; next }
    { print }' "$backup" >"$file"
  if [ -f "$reference" ] && optimised_object "$file" "$objects/mutant.o" && cmp -s "$reference" "$objects/mutant.o"; then
    same=$((same + 1))
    same_faults+=("$shown  $what")
    restore
    continue
  fi
  number=$((killed + survived + 1))
  build_status=0
  timed_build || build_status=$?
  if [ "$build_status" -eq 124 ] || [ "$build_status" -eq 137 ]; then
    killed=$((killed + 1))
    verdict="killed (the build ran out of time)"
  elif [ "$build_status" -ne 0 ] && build_ran_a_failing_program; then
    killed=$((killed + 1))
    caught_by_build=$((caught_by_build + 1))
    verdict="killed (a program the build runs failed)"
  elif [ "$build_status" -ne 0 ]; then
    not_built=$((not_built + 1))
    restore
    continue
  elif run_tests "$timeout"; then
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
if [ ${#same_faults[@]} -gt 0 ]; then
  echo "Replaced, the same program as the unchanged code:"
  for s in "${same_faults[@]}"; do echo "  $s"; done
  echo
fi
total=$((killed + survived))
if [ "$total" -gt 0 ]; then
  # The margin: 1.96 standard errors of the share (normal approximation),
  # and the Wilson interval, which stays honest when nearly all are caught.
  awk -v k="$killed" -v t="$total" -v nb="$not_built" -v sp="$same" -v cb="$caught_by_build" -v f="$folder" -v s="$seed" 'BEGIN {
    p = k / t; z = 1.96
    centre = (p + z * z / (2 * t)) / (1 + z * z / t)
    half = z * sqrt(p * (1 - p) / t + z * z / (4 * t * t)) / (1 + z * z / t)
    printf "%s (seed %d): %d of %d faults caught (%d of them by the build, in a program it runs): %.1f%% +- %.1f points (95%%; Wilson interval %.0f-%.0f%%); %d drawn faults did not compile and %d were the same program, all replaced\n",
      f, s, k, t, cb, 100 * p, 100 * z * sqrt(p * (1 - p) / t), 100 * (centre - half), 100 * (centre + half), nb, sp }'
fi

#!/usr/bin/env bash
# Planted-fault measure of the test suite: plants each fault of a list into
# the sources, one at a time, rebuilds only the tests that can see it, runs
# them, restores the file byte for byte and counts the fault as caught when a
# test fails, crashes or times out. A measure, not a test: it exits 0 and is
# not part of ctest.
#
#   scripts/planted_faults.sh [--source DIR] [--build DIR] [--area AREA]
#                             [--list FILE] [--ui] [--timeout SECONDS] [--check]
#
#   --source   repository to plant into (default: the one this script is in)
#   --build    build directory of its own (default: SOURCE/build-faults),
#              configured when missing; never the normal build dir, so that a
#              planted fault cannot leave a poisoned object behind in it
#   --area     only faults of one area: base, platform, settings, editor,
#              print, puzzle/engine, puzzle/play, drill, app (or cli, ui)
#   --list     fault list (default: scripts/planted_faults.txt beside this
#              script); one fault a line, tab-separated:
#              FILE  LINE  BEFORE  AFTER  [what a user would notice]
#              FILE is relative to SOURCE; LINE is a hint: when that line does
#              not hold BEFORE, the nearest line that does is used. BEFORE is
#              replaced by AFTER once, as literal text.
#   --ui       also build and run every Qt widget test (slow: each links the
#              whole window)
#   --timeout  seconds a test binary may run before it counts as hung (120)
#   --check    only locate every fault and report where it would be planted
#
# Test binaries: the core GoogleTest programs of the fault's area and of every
# area that may depend on it, then the command-line end-to-end tests
# (zenpa_cli_tests, which rebuild the zenpa binaries). The area's own tests
# run first; the first failing binary ends the fault's run.
#
# Run time, measured with 102 faults on 2 cores shared with other builds
# (load about 17), the build dir already built: 703 s without --ui; one area
# takes 1 to 3 minutes. A fault caught by its own area's tests costs a few
# seconds; one no test catches costs a rebuild and run of every binary.
# With --ui: about 15 minutes more to build the widget tests the first time,
# then 1 to 2 minutes for each fault the core and command-line tests miss.
#
# The source file is restored on exit, Ctrl-C or kill; its modification time
# becomes the restore time, so every build dir recompiles it (ccache makes
# that cheap) and no build keeps the faulty object.
set -uo pipefail

script_dir=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$script_dir/.." && pwd)
build_dir=""
area_filter=""
list_file="$script_dir/planted_faults.txt"
with_ui=0
timeout_s=120
check_only=0

usage() { sed -n '2,/^set -uo/p' "$0" | sed '$d' | sed 's/^# \{0,1\}//'; }

while (($#)); do
  case "$1" in
  --source) source_dir=$(cd "$2" && pwd) || exit 2; shift 2 ;;
  --build) build_dir="$2"; shift 2 ;;
  --area) area_filter="$2"; shift 2 ;;
  --list) list_file=$(cd "$(dirname "$2")" && pwd)/$(basename "$2"); shift 2 ;;
  --ui) with_ui=1; shift ;;
  --timeout) timeout_s="$2"; shift 2 ;;
  --check) check_only=1; shift ;;
  -h | --help) usage; exit 0 ;;
  *) echo "unknown option: $1" >&2; usage >&2; exit 2 ;;
  esac
done
[[ -n "$build_dir" ]] || build_dir="$source_dir/build-faults"
mkdir -p "$build_dir" && build_dir=$(cd "$build_dir" && pwd)
[[ -f "$list_file" ]] || { echo "no fault list: $list_file" >&2; exit 2; }

# ---------------------------------------------------------------- areas ----

core_areas=(base platform settings editor print puzzle/engine puzzle/play drill app)

# The area of a source path: src/puzzle/engine/x.cpp -> puzzle/engine.
area_of() {
  local rest=${1#src/}
  case "$rest" in
  puzzle/*) echo "${rest%%/*}/$(cut -d/ -f2 <<<"$rest")" ;;
  *) echo "${rest%%/*}" ;;
  esac
}

# Areas whose code may use the given one (the dependency rules of src/), the
# area itself first.
dependent_areas() {
  case "$1" in
  base) echo "base platform settings editor print puzzle/engine puzzle/play drill app" ;;
  platform) echo "platform settings editor print puzzle/engine puzzle/play drill app" ;;
  settings) echo "settings editor print puzzle/engine puzzle/play drill app" ;;
  editor) echo "editor print puzzle/play drill app" ;;
  print) echo "print puzzle/play app" ;;
  puzzle/engine) echo "puzzle/engine puzzle/play app" ;;
  puzzle/play) echo "puzzle/play app" ;;
  drill) echo "drill app" ;;
  app) echo "app" ;;
  *) echo "" ;;
  esac
}

ui_tests=()
if ((with_ui)); then
  while IFS= read -r f; do
    ui_tests+=("$(basename "$f" .cpp)")
  done < <(find "$source_dir/tests/ui" -name '*_test.cpp' | sort)
fi

# Test targets for a fault in the given area, the likeliest catchers first.
test_targets() {
  local a targets=()
  for a in $(dependent_areas "$1"); do
    [[ -d "$source_dir/tests/$a" ]] && targets+=("zenpa_${a//\//_}_tests")
  done
  [[ "$1" != ui ]] && targets+=(zenpa_cli_tests)
  ((with_ui)) && targets+=("${ui_tests[@]}")
  echo "${targets[@]}"
}

# ------------------------------------------------------- planting a line ----

# locate FILE LINE BEFORE: prints the line number that will be changed, or
# nothing when no line holds BEFORE.
locate() {
  perl -e '
    my ($file, $hint, $before) = @ARGV;
    open my $fh, "<:raw", $file or exit 0;
    my @lines = <$fh>;
    my $best;
    for my $i (0 .. $#lines) {
      next if index($lines[$i], $before) < 0;
      my $n = $i + 1;
      $best = $n if !defined $best || abs($n - $hint) < abs($best - $hint);
    }
    print $best if defined $best;' "$@"
}

# plant FILE LINE BEFORE AFTER: replaces the first BEFORE of that line.
plant() {
  perl -e '
    my ($file, $n, $before, $after) = @ARGV;
    open my $in, "<:raw", $file or die "$file: $!";
    my @lines = <$in>;
    close $in;
    my $at = index($lines[$n - 1], $before);
    die "BEFORE not on line $n\n" if $at < 0;
    substr($lines[$n - 1], $at, length $before) = $after;
    open my $out, ">:raw", $file or die "$file: $!";
    print $out @lines;
    close $out or die "$file: $!";' "$@"
}

backup=""
planted_file=""
restore() {
  if [[ -n "$planted_file" && -f "$backup" ]]; then
    cat "$backup" >"$planted_file"
  fi
  planted_file=""
}
cleanup() { restore; rm -rf "$work"; }
# An interrupted run stops the build or test it started, by process id.
stop_children() {
  local child
  for child in $(ps -o pid= --ppid "$1"); do
    stop_children "$child"
    kill -TERM "$child" 2>/dev/null
  done
}
work=$(mktemp -d)
backup="$work/original"
trap cleanup EXIT
trap 'stop_children $$; cleanup; exit 130' INT
trap 'stop_children $$; cleanup; exit 143' TERM

# ------------------------------------------------------ build and run ------

configure() {
  [[ -f "$build_dir/build.ninja" ]] && return 0
  echo "configuring $build_dir" >&2
  local lld=()
  command -v ld.lld >/dev/null && lld=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "${lld[@]}" >"$work/configure.log" 2>&1 || {
    cat "$work/configure.log" >&2
    exit 1
  }
}

build() { ninja -C "$build_dir" -j2 "$@" >"$work/build.log" 2>&1; }

last_rc=0
run_one() {
  local args=()
  [[ "$1" == zenpa_*_tests ]] && args=(--gtest_fail_fast --gtest_brief=1)
  (cd "$build_dir/tests" && QT_QPA_PLATFORM=offscreen timeout -k 5 "$timeout_s" \
    "$build_dir/tests/$1" "${args[@]}" >"$work/test.log" 2>&1)
  last_rc=$?
  return $last_rc
}

# The failing target as reported: its name, and whether it hung.
failure() { echo "$1$( ((last_rc == 124 || last_rc == 137)) && echo ' (timed out)')"; }

# run_tests TARGET...: prints the first target that fails, crashes or times
# out; nothing when all pass.
run_tests() {
  local t
  for t in "$@"; do
    run_one "$t" || { failure "$t"; return; }
  done
}

# try_fault TARGET...: builds and runs the targets one after the other, so
# that a fault the first tests catch never waits for the later links. Prints
# the catching target, or "invalid" when the fault does not build.
try_fault() {
  local t
  for t in "$@"; do
    build "$t" || { echo invalid; return; }
    run_one "$t" || { failure "$t"; return; }
  done
}

# -------------------------------------------------------------- the run ----

declare -A planted caught
uncaught=()
invalid=()
missing=()
start=$(date +%s)

if ((!check_only)); then
  configure
  # The unchanged sources must pass: a binary that fails already would count
  # every fault as caught.
  all_targets=()
  for a in "${core_areas[@]}"; do
    [[ -d "$source_dir/tests/$a" ]] && all_targets+=("zenpa_${a//\//_}_tests")
  done
  all_targets+=(zenpa_cli_tests "${ui_tests[@]}")
  echo "building the unchanged sources in $build_dir" >&2
  build "${all_targets[@]}" || { tail -n 30 "$work/build.log" >&2; exit 1; }
  broken=$(run_tests "${all_targets[@]}")
  if [[ -n "$broken" ]]; then
    echo "the unchanged sources fail $broken; fix that first" >&2
    tail -n 30 "$work/test.log" >&2
    exit 1
  fi
fi

while IFS=$'\t' read -r -u 3 file hint before after note || [[ -n "$file" ]]; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  area=$(area_of "$file")
  [[ -n "$area_filter" && "$area" != "$area_filter" ]] && continue
  label="$file:$hint  $before  ->  $after"
  line=""
  [[ -f "$source_dir/$file" ]] && line=$(locate "$source_dir/$file" "$hint" "$before")
  if [[ -z "$line" ]]; then
    printf '%-10s %s\n' "not found" "$label"
    missing+=("$label")
    continue
  fi
  label="$file:$line  $before  ->  $after"
  if ((check_only)); then
    printf '%-10s %s%s\n' "found" "$label" "$([[ $line != "$hint" ]] && echo "  (listed at $hint)")"
    continue
  fi
  read -ra fault_targets <<<"$(test_targets "$area")"
  cp "$source_dir/$file" "$backup"
  planted_file="$source_dir/$file"
  plant "$planted_file" "$line" "$before" "$after" || { restore; missing+=("$label"); continue; }
  by=$(try_fault "${fault_targets[@]}")
  restore
  if [[ "$by" == invalid ]]; then
    printf '%-10s %s\n' "invalid" "$label"
    invalid+=("$label")
    continue
  fi
  planted[$area]=$((${planted[$area]:-0} + 1))
  if [[ -n "$by" ]]; then
    caught[$area]=$((${caught[$area]:-0} + 1))
    printf '%-10s %s  [%s]\n' "caught" "$label" "$by"
  else
    printf '%-10s %s  (%s)\n' "NOT caught" "$label" "$note"
    uncaught+=("$label  ($note)")
  fi
done 3<"$list_file"

((check_only)) && exit 0

percent() { (($2 > 0)) && echo "$((100 * $1 / $2))%" || echo "-"; }

echo
echo "caught / planted per area"
total_caught=0
total_planted=0
for a in "${core_areas[@]}" cli ui; do
  p=${planted[$a]:-0}
  ((p == 0)) && continue
  c=${caught[$a]:-0}
  printf '  %-14s %3d / %-3d %s\n' "$a" "$c" "$p" "$(percent "$c" "$p")"
  total_caught=$((total_caught + c))
  total_planted=$((total_planted + p))
done
printf '  %-14s %3d / %-3d %s\n' "total" "$total_caught" "$total_planted" \
  "$(percent "$total_caught" "$total_planted")"
((${#invalid[@]})) && printf '%s\n' "" "invalid (does not compile):" "${invalid[@]/#/  }"
((${#missing[@]})) && printf '%s\n' "" "not found:" "${missing[@]/#/  }"
echo
echo "not caught by any test:"
((${#uncaught[@]})) && printf '  %s\n' "${uncaught[@]}" || echo "  (none)"
echo
echo "run time: $(($(date +%s) - start)) s$( ((with_ui)) && echo ', with the Qt widget tests')"
exit 0

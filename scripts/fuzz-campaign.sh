#!/usr/bin/env bash
# Long fuzzing campaigns over the targets of fuzz/ (the test command only fuzzes briefly).
# Builds and replays through scripts/fuzz.sh, then runs each target for a long time, keeping
# new inputs in build/fuzz/campaign/<target> and reproducers in build/fuzz/artifacts.
#
# Usage: scripts/fuzz-campaign.sh [-t SECONDS] [-r RUNS] [-j JOBS] [--merge] [TARGET...]
#   -t SECONDS  time per target (default 3600)
#   -r RUNS     stop each target after RUNS executions instead (e.g. 10000000)
#   -j JOBS     parallel fuzzing processes per target (libFuzzer's fork mode; default 1)
#   --merge     afterwards, minimise fuzz/corpus/<target> together with the campaign's finds
#               (libFuzzer -merge=1: only inputs that add coverage beyond the seeds stay) and
#               replace it with the result; the seed folders are never changed
#   TARGET      document, options, language, expression, picture (default: all)
#   ZEVA_FUZZ_TIMEOUT=N  seconds an input may take before it counts as a hang (default 25)
# The full campaign before a release: scripts/fuzz-campaign.sh -r 10000000 --merge
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=3600
runs=-1
jobs=1
merge=0
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    -t) seconds=$2; shift 2 ;;
    -r) runs=$2; seconds=0; shift 2 ;;
    -j) jobs=$2; shift 2 ;;
    --merge) merge=1; shift ;;
    -h|--help) sed -n '2,15p' "$0"; exit 0 ;;
    *) targets+=("$1"); shift ;;
  esac
done
[ ${#targets[@]} -gt 0 ] || targets=(document options language expression picture)

build=build/fuzz
bash scripts/fuzz.sh 0 # build and replay

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen

status=0
for t in "${targets[@]}"; do
  bin="$build/fuzz_$t"
  corpus="fuzz/corpus/$t"
  inputs=$(fuzz/corpora.sh "$t")
  [ -x "$bin" ] || { echo "-- fuzz_$t: not built, skipped"; continue; }
  found="$build/campaign/$t"
  mkdir -p "$found"
  args=(-timeout="${ZEVA_FUZZ_TIMEOUT:-25}" -rss_limit_mb=2560 -artifact_prefix="$build/artifacts/$t-"
        -print_final_stats=1)
  [ -f "fuzz/$t.dict" ] && args+=(-dict="fuzz/$t.dict")
  [ "$seconds" -gt 0 ] && args+=(-max_total_time="$seconds")
  [ "$runs" -ge 0 ] && args+=(-runs="$runs")
  [ "$jobs" -gt 1 ] && args+=(-fork="$jobs" -ignore_crashes=1)
  echo "-- fuzz_$t: campaign (log: $build/$t-campaign.log)"
  # shellcheck disable=SC2086 # the corpus folders are one word each
  if ! "$bin" "${args[@]}" "$found" $inputs 2>"$build/$t-campaign.log"; then
    echo "   fuzz_$t found a fault: see $build/artifacts/$t-*"
    status=1
  fi
  grep -h -E '^stat::(number_of_executed_units|new_units_added)|cov: .* ft:' \
      "$build/$t-campaign.log" | tail -n 3 | sed 's/^/   /'

  if [ "$merge" -eq 1 ]; then
    # The seeds go first into a scratch folder; merging then adds to it only the inputs of the
    # corpus and the finds that cover something new, and those become the corpus.
    scratch="$build/merged/$t"
    rm -rf "$scratch"
    mkdir -p "$scratch"
    for d in $inputs; do
      [ "$d" = "$corpus" ] || cp -r "$d"/. "$scratch"/
    done
    find "$scratch" -type f | sort >"$build/merged/$t-before"
    "$bin" -merge=1 -timeout=25 -rss_limit_mb=2560 "$scratch" "$corpus" "$found" \
        2>"$build/$t-merge.log"
    find "$scratch" -type f | sort >"$build/merged/$t-after"
    rm -rf "$corpus"
    mkdir -p "$corpus"
    comm -13 "$build/merged/$t-before" "$build/merged/$t-after" | xargs -r cp -t "$corpus"
    echo "   $corpus: $(ls "$corpus" | wc -l) inputs beyond the seeds"
  fi
done
exit $status

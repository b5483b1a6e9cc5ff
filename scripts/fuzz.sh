#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build/fuzz, replays every input of each
# target (a regression test: the seeds, the hostile files and the corpus grown by fuzzing), then
# fuzzes each target for a short, bounded time so that every run may find new inputs. Exits
# non-zero on a failed build, a crash, a sanitizer report, a leak or a hang.
#
# Usage: scripts/fuzz.sh [SECONDS]   seconds of fuzzing per target (default 20; 0: replay only)
#   ZEVA_FUZZ_TIMEOUT=N  seconds a new input may take before it counts as a hang (default 25)
# The inputs of each target are listed by fuzz/corpora.sh. New inputs go to
# build/fuzz/found/<target>, crash reproducers to build/fuzz/artifacts; the folders in the
# repository are only read (scripts/fuzz-campaign.sh --merge folds finds in).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
build=build/fuzz
targets=(document options language expression picture)

echo "== libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) =="
CC=clang CXX=clang++ cmake -S fuzz -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j "$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/artifacts"

# Every new input must finish within this many seconds: a slower one is reported as a hang.
timeout_s=${ZEVA_FUZZ_TIMEOUT:-25}
# Inputs already kept are replayed with more room: the slowest (a locus of 63,000 arcs) takes
# 14 s of processor time under the sanitizers, which a machine shared with other builds can
# stretch past 25 s of wall time. A real hang still never ends.
replay_timeout_s=$((timeout_s * 6))
for t in "${targets[@]}"; do
  bin="$build/fuzz_$t"
  corpus=$(fuzz/corpora.sh "$t")
  mkdir -p "fuzz/corpus/$t" # grown by campaigns; may not exist yet
  if [ ! -x "$bin" ]; then
    echo "-- fuzz_$t: not built (see the configure messages above)"
    continue
  fi
  dict=()
  [ -f "fuzz/$t.dict" ] && dict=(-dict="fuzz/$t.dict")
  common=(-timeout="$timeout_s" -rss_limit_mb=2560 -artifact_prefix="$build/artifacts/$t-"
          -print_final_stats=1)

  echo "-- fuzz_$t: replaying $(find $corpus -type f | wc -l) inputs ($corpus)"
  # shellcheck disable=SC2086 # the corpus folders are one word each
  "$bin" "${common[@]}" -timeout="$replay_timeout_s" -runs=0 $corpus \
      2>"$build/$t-replay.log" ||
    { tail -n 60 "$build/$t-replay.log"; exit 1; }

  if [ "$seconds" -gt 0 ]; then
    echo "-- fuzz_$t: fuzzing for $seconds s"
    mkdir -p "$build/found/$t"
    # shellcheck disable=SC2086
    "$bin" "${common[@]}" "${dict[@]}" -max_total_time="$seconds" \
        "$build/found/$t" $corpus 2>"$build/$t-fuzz.log" ||
      { tail -n 60 "$build/$t-fuzz.log"; exit 1; }
    grep -h -E '^stat::(number_of_executed_units|new_units_added)|cov: .* ft:' \
        "$build/$t-fuzz.log" | tail -n 3 | sed 's/^/   /'
  fi
done
echo "== fuzzing: no findings =="

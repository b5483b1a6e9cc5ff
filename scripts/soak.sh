#!/usr/bin/env bash
# The long random-user soak: builds zeva_soak in the AddressSanitizer + UndefinedBehaviorSanitizer
# build and runs many seeds of 100,000 events each on examples/gallery.kdo, checking the
# invariants every 1,000 events (see tests/soak/user_soak.h). The test command runs only a short
# soak (ctest UserSoak.*). Exits non-zero at the first failing seed, after printing it with the
# command that replays it.
#
# Usage: scripts/soak.sh [SEEDS [EVENTS [FIRST_SEED]]]    defaults: 50 seeds, 100000 events, seed 1
#   ZEVA_SOAK_SECONDS=N  starts no new seed after N seconds (the seeds run so far are reported)
#   ZEVA_SOAK_BUILD=DIR  build folder (default build/sanitize; build/release runs without sanitizers)
set -euo pipefail
cd "$(dirname "$0")/.."

seeds=${1:-50}
events=${2:-100000}
first=${3:-1}
limit=${ZEVA_SOAK_SECONDS:-0}
build=${ZEVA_SOAK_BUILD:-build/sanitize}

if [ "$build" = build/sanitize ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEVA_WERROR=ON \
        -DZEVA_SANITIZE=ON -DZEVA_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target zeva_soak

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
# The soak never writes settings, but it must not read the user's either.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch" XDG_STATE_HOME="$scratch/state" HOME="$scratch"

start=$(date +%s)
ran=0
total=0
for ((seed = first; seed < first + seeds; seed++)); do
  if [ "$limit" -gt 0 ] && [ $(( $(date +%s) - start )) -ge "$limit" ]; then
    echo "-- time limit reached"
    break
  fi
  "$build/tests/zeva_soak" --seed "$seed" --events "$events" | grep -v '^soak:'
  ran=$((ran + 1))
  total=$((total + events))
done
echo "== soak: $ran seeds ($first..$((first + ran - 1))), $total events, $(( $(date +%s) - start )) s, no findings =="

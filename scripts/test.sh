#!/usr/bin/env bash
# Sets up a fresh Debian machine, then builds and runs every test twice: a Release build with
# warnings as errors, and an AddressSanitizer + UndefinedBehaviorSanitizer build; then the
# animation tests (the clock thread with the window thread editing the figure) once more under
# ThreadSanitizer, building only the libraries they need; then builds the libFuzzer targets with
# clang, replays their corpora and fuzzes each briefly (scripts/fuzz.sh; ZEVA_FUZZ_SECONDS sets
# the seconds per target, 0 replays only). Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)

echo "== Release build (-Wall -Wextra -Werror) =="
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEVA_WERROR=ON
cmake --build build/release -j "$jobs"
(cd build/release && ctest --output-on-failure -j "$jobs")

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
# intercept_tls_get_addr=0: the leak check at exit otherwise walks the dynamic TLS blocks of
# libraries Qt loads as plug-ins, whose recorded bounds can be bogus, and its tracer then dies
# with SIGSEGV after every test has passed (seen with the PDF and SVG export test).
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEVA_WERROR=ON \
      -DZEVA_SANITIZE=ON -DZEVA_BUILD_BENCH=OFF
cmake --build build/sanitize -j "$jobs"
(cd build/sanitize && ctest --output-on-failure -j "$jobs")

echo "== ThreadSanitizer build of the animation tests (engine, clock thread) =="
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEVA_WERROR=ON \
      -DZEVA_SANITIZE_THREAD=ON -DZEVA_BUILD_BENCH=OFF
cmake --build build/tsan -j "$jobs" --target zeva_test_animation
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 build/tsan/tests/zeva_test_animation

bash scripts/fuzz.sh "${ZEVA_FUZZ_SECONDS:-20}"

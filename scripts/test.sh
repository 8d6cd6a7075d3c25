#!/usr/bin/env bash
# Builds and runs every test twice: a plain build and an AddressSanitizer +
# UndefinedBehaviorSanitizer build; then runs each fuzz target for a bounded
# time. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check-floors.sh

jobs=$(nproc)
fuzz_seconds=${PQ_FUZZ_SECONDS:-8}

export SDL_VIDEODRIVER=offscreen SDL_RENDER_DRIVER=software SDL_AUDIODRIVER=dummy
export XDG_DATA_HOME
XDG_DATA_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME"' EXIT

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DPQ_BENCH=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 900
}

echo "=== plain build"
run_suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "=== sanitizer build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DPQ_SANITIZE=ON -DPQ_BENCH=OFF

echo "=== fuzz targets (${fuzz_seconds}s each)"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPQ_FUZZ=ON -DPQ_SANITIZE=ON -DPQ_TESTS=OFF -DPQ_BENCH=OFF >/dev/null
if cmake --build build/fuzz --target help | grep '^\.\.\. fuzzers$' >/dev/null; then
  cmake --build build/fuzz -j "$jobs" --target fuzzers
  mkdir -p build/fuzz/artifacts
  for fuzzer in build/fuzz/fuzzers/*; do
    corpus=$(mktemp -d)
    seeds=tests/fuzz/corpus/$(basename "$fuzzer")
    if [ -d "$seeds" ]; then
      cp "$seeds"/* "$corpus"/
    fi
    echo "--- $(basename "$fuzzer")"
    "$fuzzer" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=512 \
      -print_final_stats=0 \
      -artifact_prefix=build/fuzz/artifacts/ "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
  done
fi
echo "all test suites passed"

#!/usr/bin/env bash
# Builds the project and starts the game from the project root, where its
# Data/ folder lives.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DPQ_TESTS=OFF -DPQ_BENCH=OFF >/dev/null
cmake --build build/release -j "$(nproc)"
exec build/release/pemberquill "$@"

#!/usr/bin/env bash
# Installs what building and running need, builds Horavia and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh --run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHORAVIA_BUILD_TESTS=OFF -DHORAVIA_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)" --target horavia
exec ./build/app/horavia "$@"

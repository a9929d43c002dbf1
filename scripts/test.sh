#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs every test through CTest; then the unit
# tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer; then the same for
# the Windows build of the core (cross-compiled, its tests under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
# Tests and benchmarks on, even where ./scripts/run.sh configured this folder without them.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHORAVIA_BUILD_TESTS=ON -DHORAVIA_BUILD_BENCH=ON
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# The tests read the program in English, its source language, whatever the user reads.
export LANGUAGE=en
ctest --test-dir build --output-on-failure -j"$(nproc)"
./scripts/test_sanitizers.sh
./scripts/test_windows.sh

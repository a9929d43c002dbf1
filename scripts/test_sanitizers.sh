#!/usr/bin/env bash
# Builds the unit tests (and the program they run) with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs them through CTest. Any report fails the
# run. Called by scripts/test.sh after the ordinary build; needs what scripts/deps.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."
SAN="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# Unoptimised with line tables only: a third quicker to build than -O1, and the reports still
# name file and line.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O0 -g1" -DCMAKE_CXX_FLAGS="$SAN" \
    -DCMAKE_EXE_LINKER_FLAGS="$SAN" -DHORAVIA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan_suppressions.txt"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Only the GoogleTest cases (named Suite.Case): the fuzz smoke run is sanitized already, and
# the script tests (folder.name, in lower case: end-to-end runs on real desktops, servers and
# packages, timed runs) measure the program and stay with the ordinary build, and so does the
# crash test, whose kills must land while the writer is busy at ordinary speed.
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E '^[a-z]|^SettingsCrash[.]'

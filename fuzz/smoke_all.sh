#!/bin/sh
# CTest's fuzz smoke run: builds the libFuzzer targets with clang in a build folder of their
# own and runs each for a few seconds from its seeds. Skips (exit 77) without clang-14.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?build folder}
seconds=${2:-10}
command -v clang++-14 >/dev/null 2>&1 || { echo "clang++-14 not found: skipped"; exit 77; }
CC=clang-14 CXX=clang++-14 cmake -S "$here/.." -B "$build" -DHORAVIA_BUILD_FUZZ=ON \
    -DHORAVIA_BUILD_TESTS=OFF -DHORAVIA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets="fuzz_format fuzz_settings fuzz_ini fuzz_zone_database fuzz_date_time_text fuzz_time_reply
         fuzz_nts fuzz_shared_object fuzz_autostart_exec fuzz_command_line fuzz_zone_file"
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $targets >/dev/null
for target in $targets; do
    FUZZ_ARTIFACTS="$build" "$here/smoke.sh" "$build/fuzz/$target" "$seconds"
done

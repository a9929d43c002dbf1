#!/bin/sh
# CTest's fuzz smoke run: builds the libFuzzer targets with clang in a build folder of their
# own and runs each for a few seconds from its seeds. Skips (exit 77) without clang-14.
# The targets are the ones fuzz/CMakeLists.txt defines (it lists them in fuzz/targets.txt of
# the build), so a new target is run without being named here; each must have its seeds.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?build folder}
seconds=${2:-10}
command -v clang++-14 >/dev/null 2>&1 || { echo "clang++-14 not found: skipped"; exit 77; }
started=$(date +%s)
CC=clang-14 CXX=clang++-14 cmake -S "$here/.." -B "$build" -DHORAVIA_BUILD_FUZZ=ON \
    -DHORAVIA_BUILD_TESTS=OFF -DHORAVIA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=$(cat "$build/fuzz/targets.txt")
[ -n "$targets" ] || { echo "no fuzz targets listed in $build/fuzz/targets.txt"; exit 1; }
for target in $targets; do
    if [ ! -d "$here/seeds/${target#fuzz_}" ]; then
        echo "$target has no seeds: add fuzz/seeds/${target#fuzz_}/"
        exit 1
    fi
done
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $targets >/dev/null
built=$(date +%s)
count=0
for target in $targets; do
    FUZZ_ARTIFACTS="$build" "$here/smoke.sh" "$build/fuzz/$target" "$seconds"
    count=$((count + 1))
done
echo "fuzz smoke: $count targets, ${seconds} s each; build $((built - started)) s," \
    "runs $(($(date +%s) - built)) s"

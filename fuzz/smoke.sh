#!/bin/sh
# Short fuzzing run for CTest: runs a libFuzzer binary from its committed seeds for a few
# seconds in a scratch corpus and fails if it finds a crash. The crashing input is kept in
# the current folder (or $FUZZ_ARTIFACTS) as crash-<hash>.
#   fuzz/smoke.sh <fuzzer binary> [seconds, default 10]
set -eu
fuzzer=$1
seconds=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
name=$(basename "$fuzzer")
seeds="$here/seeds/${name#fuzz_}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/corpus"
if [ -d "$seeds" ]; then
    set -- "$work/corpus" "$seeds"
else
    set -- "$work/corpus"
fi
# libFuzzer's own exit code for a finding is 77, which CTest would read as "skipped": a
# finding must fail the run.
"$fuzzer" -max_total_time="$seconds" -max_len=512 -print_final_stats=1 -error_exitcode=1 \
    -timeout_exitcode=1 \
    -artifact_prefix="${FUZZ_ARTIFACTS:-$PWD}/" "$@"

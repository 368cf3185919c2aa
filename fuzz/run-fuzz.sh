#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers with clang++, replays one fuzzer's seed corpus and then
# fuzzes it for a bounded number of runs.
#
#   run-fuzz.sh [FUZZER] [libFuzzer arguments]   FUZZER: channel_file_fuzzer (the default),
#                                                radio_text_fuzzer, csv_import_fuzzer,
#                                                paste_text_fuzzer or paste_records_fuzzer
#   run-fuzz.sh --build-only                     builds them all and runs none
#
#   FUZZ_BUILD_DIR  build folder (default: build/fuzz in the source tree)
#   FUZZ_BUILT=1    the fuzzers are built already (the test suite builds them once for all)
#   FUZZ_RUNS       number of runs (default 10000; -1 runs until stopped)
#   further arguments go to the fuzzer, e.g. -max_total_time=600 -jobs=2
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${FUZZ_BUILD_DIR:-$here/../build/fuzz}"
runs="${FUZZ_RUNS:-10000}"

if [ "${FUZZ_BUILT:-}" != 1 ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j2
fi
if [ "${1:-}" = --build-only ]; then
    exit 0
fi

target=channel_file_fuzzer
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
    target=$1
    shift
fi
fuzzer="$build/$target"
seeds="$here/corpus/${target%_fuzzer}"
if [ ! -x "$fuzzer" ] || [ ! -d "$seeds" ]; then
    echo "run-fuzz.sh: no fuzzer $target" >&2
    exit 2
fi

echo "Replaying the seed corpus of $target"
"$fuzzer" -artifact_prefix="$build/$target-" "$seeds"/*

# New inputs go to a scratch corpus, so the seeds in the source tree stay as they are.
scratch="$build/corpus-${target%_fuzzer}"
mkdir -p "$scratch"
echo "Fuzzing $target: $runs runs"
"$fuzzer" -runs="$runs" -max_total_time=45 -artifact_prefix="$build/$target-" "$@" "$scratch" "$seeds"

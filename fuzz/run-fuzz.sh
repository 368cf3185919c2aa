#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the channel-file fuzzer with clang++, replays the seed corpus in
# fuzz/corpus/ and then fuzzes for a bounded number of runs.
#
#   FUZZ_BUILD_DIR  build folder (default: build/fuzz in the source tree)
#   FUZZ_RUNS       number of runs (default 10000; -1 runs until stopped)
#   further arguments go to the fuzzer, e.g. -max_total_time=600 -jobs=2
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${FUZZ_BUILD_DIR:-$here/../build/fuzz}"
runs="${FUZZ_RUNS:-10000}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
fuzzer="$build/channel_file_fuzzer"

echo "Replaying the seed corpus"
"$fuzzer" -artifact_prefix="$build/" "$here"/corpus/*

# New inputs go to a scratch corpus, so the seeds in the source tree stay as they are.
mkdir -p "$build/corpus"
echo "Fuzzing: $runs runs"
"$fuzzer" -runs="$runs" -max_total_time=45 -artifact_prefix="$build/" "$@" "$build/corpus" "$here/corpus"

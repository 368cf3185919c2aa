#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a fuzzer built for coverage over its seeds and corpus folders and prints
# the line and branch coverage of the files its reader works with.
#
#   coverage.sh TARGET [CORPUS...]   default corpus: the seeds and build/fuzz/corpus-<target>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$here/../build/fuzz-coverage"
target=${1:?usage: coverage.sh TARGET [CORPUS...]}
shift
name=${target%_fuzzer}
corpus=("$@")
if [ ${#corpus[@]} -eq 0 ]; then
    corpus=("$here/corpus/$name")
    [ -d "$here/../build/fuzz/corpus-$name" ] && corpus+=("$here/../build/fuzz/corpus-$name")
fi
case $name in
channel_file) sources=(ChannelFile.cpp) ;;
csv_import) sources=(Csv.cpp ChannelCsv.cpp) ;;
paste_text) sources=(Csv.cpp ChannelRows.cpp) ;;
paste_records) sources=(ChannelRows.cpp) ;;
*)
    echo "coverage.sh: no fuzzer $target" >&2
    exit 2
    ;;
esac

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQV3N_FUZZ_COVERAGE=ON >/dev/null
cmake --build "$build" -j2 --target "$target"
rm -f "$build"/*.profraw
LLVM_PROFILE_FILE="$build/$name-%p.profraw" "$build/$target" -runs=0 "${corpus[@]}" 2>/dev/null
llvm-profdata merge -sparse "$build/$name"-*.profraw -o "$build/$name.profdata"
llvm-cov report "$build/$target" -instr-profile="$build/$name.profdata" "${sources[@]/#/$here/../core/}"

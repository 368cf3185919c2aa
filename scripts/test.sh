#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything (installing what is missing) and runs every test.
#
#   scripts/test.sh              in build/
#   scripts/test.sh --sanitize   in build-sanitize/, under the address and undefined-behaviour
#                                sanitizers; any report, in a test or in a program it starts, fails
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

case "${1:-}" in
"")
    bash scripts/setup.sh build
    cmake --build build -j"$jobs"
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs"
    ;;
--sanitize)
    build=build-sanitize
    # Unoptimised with line tables only, the quickest to build; the benchmarks and the
    # screenshot tool are left out.
    bash scripts/setup.sh "$build" -DQV3N_SANITIZE=ON -DQV3N_BUILD_TOOLS=OFF \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O0 -g1"
    cmake --build "$build" -j"$jobs"
    # The first report ends the program with a status no program of ours uses,
    # which fails its test, also when a test started the program. Address and
    # leak reports are also kept in files (the undefined-behaviour checker
    # writes to the program's standard error only).
    reports="$PWD/$build/sanitizer-reports"
    rm -rf "$reports"
    mkdir -p "$reports"
    export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:exitcode=86:log_path=$reports/asan"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=86"
    status=0
    # The fuzz tests are not registered here: they build sanitized programs of their own, run in the plain pass.
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs") ||
        status=$?
    if compgen -G "$reports/*" >/dev/null; then
        cat "$reports"/*
        echo "The sanitizers reported the faults above." >&2
        status=1
    fi
    exit "$status"
    ;;
*)
    echo "usage: scripts/test.sh [--sanitize]" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# Sets up, builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-sanitize/, and runs every test there. Any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNATALIS_SANITIZE=ON \
    "${launcher[@]}" >/dev/null
cmake --build build-sanitize -j"$(nproc)"
# Leaks are not looked for: the system libraries under Qt (fontconfig, the platform plugin)
# keep caches for the life of the process.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"

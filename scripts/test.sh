#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest (no display needed), then fuzzes the
# chart reader for a short while (FUZZ_SECONDS, default 20; 0 skips it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
fuzz_seconds="${FUZZ_SECONDS:-20}"
if [ "$fuzz_seconds" -gt 0 ]; then scripts/fuzz.sh "$fuzz_seconds"; fi

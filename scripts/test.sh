#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"

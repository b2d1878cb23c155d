#!/usr/bin/env bash
# Configures and builds Natalis into build/ (the program ends up at build/natalis).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"

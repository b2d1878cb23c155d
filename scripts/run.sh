#!/usr/bin/env bash
# Sets up, builds and starts Natalis on the sample charts.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/natalis "$@"

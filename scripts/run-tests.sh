#!/usr/bin/env bash
# Builds everything (installing missing packages first) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir="${TESSALY_BUILD_DIR:-build}"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"

#!/usr/bin/env bash
# Builds everything (installing missing packages first) and runs the demo host, which loads
# the module, opens property windows on sample objects and prints them as text.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir="${TESSALY_BUILD_DIR:-build}"
"$build_dir/bin/tessaly-host" "$@"

#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and
# builds into build/ (or $TESSALY_BUILD_DIR). TESSALY_SANITIZE=ON builds with ASan and UBSan,
# TESSALY_BUILD_TYPE picks the CMake build type, TESSALY_BENCH=OFF leaves the benchmarks out.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ libboost-dev libboost-system-dev libboost-filesystem-dev liblog4cplus-dev googletest libgtest-dev
          libbenchmark-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

build_dir="${TESSALY_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja -DTESSALY_SANITIZE="${TESSALY_SANITIZE:-OFF}" \
  -DCMAKE_BUILD_TYPE="${TESSALY_BUILD_TYPE:-RelWithDebInfo}" -DTESSALY_BENCH="${TESSALY_BENCH:-ON}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

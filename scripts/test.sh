#!/usr/bin/env bash
# Sets up, builds and runs every test. Usage: scripts/test.sh [build folder] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${1:-build}
shift || true
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCAIRNLY_WERROR=ON "$@"
cmake --build "$build"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

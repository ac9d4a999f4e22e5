#!/usr/bin/env bash
# Builds the Debian package of Cairnly with CPack in the build folder and prints its path.
# Usage: scripts/package.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${1:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCAIRNLY_WERROR=ON >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB -B "$(pwd)/package" >/dev/null)
ls "$build"/package/cairnly_*.deb

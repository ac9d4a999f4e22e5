#!/usr/bin/env bash
# Sets up, builds and starts Cairnly in the current folder (where it keeps GearData.dat and Cairnly.ini).
set -euo pipefail
here=$(pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
"$source_dir/scripts/setup.sh"
cmake -S "$source_dir" -B "$source_dir/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$source_dir/build" --target cairnly-data
cd "$here"
exec "$source_dir/build/src/cli/cairnly-data" --help

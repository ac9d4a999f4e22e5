#!/usr/bin/env bash
# Sets up, builds and starts Cairnly in the current folder (where it keeps GearData.dat and Cairnly.ini).
set -euo pipefail
here=$(pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
"$source_dir/scripts/setup.sh"
cmake -S "$source_dir" -B "$source_dir/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$source_dir/build" --target cairnly
cd "$here"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "Cairnly needs a graphical display, and none was found (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
    echo "Run this from a desktop session, or on a server: xvfb-run scripts/run.sh" >&2
    exit 1
fi
exec "$source_dir/build/src/gui/cairnly" "$@"

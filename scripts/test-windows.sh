#!/usr/bin/env bash
# Cross-builds the core, its tests and cairnly-data for 64-bit Windows with MinGW-w64 and runs them under
# Wine, in a Wine prefix of the build folder's own: the core tests, then a cairnly-data round trip (make
# of a dump gives back the same bytes). The window program stays Linux-only: Debian has no Qt for MinGW.
# Usage: scripts/test-windows.sh [build folder]   (default build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 libgtest-dev nlohmann-json3-dev)

source scripts/packages.sh
install_missing "${packages[@]}"

# Debian's wine64 puts its launcher and server outside the PATH.
wine=$(dpkg -L wine64 | awk '/\/wine64$/ && !n++')
wineserver=$(dpkg -L wine64 | awk '/\/wineserver64$/ && !n++')

build=${1:-build-windows}
mkdir -p "$build"
build=$(cd "$build" && pwd)
export WINEPREFIX="$build/wine"
export WINEDEBUG=-all
# No offer to install Mono or Gecko: console programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Stop this prefix's server when done, whatever happens; other prefixes are left alone.
trap '"$wineserver" -k 2>/dev/null || true' EXIT

echo "== cross build with MinGW-w64"
start=$SECONDS
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCAIRNLY_WERROR=ON -DCAIRNLY_GUI=OFF -DCAIRNLY_BENCH=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$wine"
cmake --build "$build"
build_time=$((SECONDS - start))

echo "== first Wine start (makes the prefix)"
start=$SECONDS
# One server for the whole run: a server that quits between two programs can drop the next one's
# connection ("recvmsg: Connection reset by peer").
mkdir -p "$WINEPREFIX"
"$wineserver" -p
"$wine" wineboot --init
wine_time=$((SECONDS - start))

echo "== core tests under Wine"
start=$SECONDS
ctest --test-dir "$build" --output-on-failure

echo "== cairnly-data round trip under Wine"
trip="$build/round-trip"
rm -rf "$trip"
mkdir -p "$trip"
cat >"$trip/list.json" <<'JSON'
{"categories": ["Tent", "Café"], "rows": [
  {"category": "Tent", "item": "Fly", "unitWeight": "12.5", "weight": "25.00", "notes": "green", "multiplier": "2",
   "groupWeight": "", "collapsedLabel": "", "expandedLabel": "", "checked": 1, "isMember": 0, "expanded": 0,
   "columnTexts": ["red", "€"]},
  {"category": "Café", "item": "Kitchen", "unitWeight": "", "weight": "", "notes": "", "multiplier": "1",
   "groupWeight": "7.00", "collapsedLabel": "+ Kitchen", "expandedLabel": "- Kitchen", "checked": 0, "isMember": 0,
   "expanded": 0, "columnTexts": [], "members": [
    {"category": "Café", "item": "Stove", "unitWeight": "3", "weight": "3.00", "notes": "", "multiplier": "1",
     "groupWeight": "", "collapsedLabel": "", "expandedLabel": "", "checked": 0, "isMember": 1, "expanded": 0,
     "columnTexts": ["t"]},
    {"category": "Café", "item": "Pot", "unitWeight": "4", "weight": "4.00", "notes": "", "multiplier": "1",
     "groupWeight": "", "collapsedLabel": "", "expandedLabel": "", "checked": 0, "isMember": 1, "expanded": 0,
     "columnTexts": []}]}]}
JSON
tool="$build/src/cli/cairnly-data.exe"
(
    cd "$trip"
    "$wine" "$tool" make list.json first.dat
    "$wine" "$tool" dump first.dat >first.json
    "$wine" "$tool" make first.json second.dat
    "$wine" "$tool" dump second.dat >second.json
)
cmp "$trip/first.dat" "$trip/second.dat"
cmp "$trip/first.json" "$trip/second.json"
head -c 32 "$trip/first.dat" | cmp - <(printf 'Cairnly data file. Version 5.9\r\n')
grep -q '"Café"' "$trip/first.json"
test_time=$((SECONDS - start))

echo "== Windows build and tests passed: cross build ${build_time} s, first Wine start ${wine_time} s," \
    "tests ${test_time} s"

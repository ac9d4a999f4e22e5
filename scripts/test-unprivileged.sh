#!/usr/bin/env bash
# Runs the core tests (cairnly-data's among them) a second time as nobody, for whom permission bits bind:
# as root a read-only file can still be written, so there the tests of permissions skip. Here none may.
# Usage: scripts/test-unprivileged.sh [build folder made by scripts/test.sh]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
if [ "$(id -u)" != 0 ]; then
    echo "test-unprivileged: not root, so the tests already ran where permissions bind"
    exit 0
fi
user=65534

# nobody reads the build folder and passes through the folders above it.
chmod -R o+rX "$build"
folder=$build
while [ "$folder" != / ]; do
    folder=$(dirname "$folder")
    if ! setpriv --reuid=$user --regid=$user --clear-groups test -x "$folder"; then
        echo "test-unprivileged: letting nobody pass through $folder"
        chmod o+x "$folder"
    fi
done

scratch=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$scratch" "$log"' EXIT
chown $user:$user "$scratch"
status=0
setpriv --reuid=$user --regid=$user --clear-groups env TMPDIR="$scratch" HOME="$scratch" \
    "$build/tests/cairnly_core_tests" 2>&1 | tee "$log" || status=$?
if [ "$status" != 0 ]; then
    echo "test-unprivileged: the tests failed as nobody"
    exit "$status"
fi
# The text every test of permissions skips with (permissionsDoNotBind in tests/support/ScratchFolder.h).
skipped=$(grep -c -F "permission bits do not bind here" "$log" || true)
if [ "$skipped" != 0 ]; then
    echo "test-unprivileged: $skipped tests of permissions skipped as nobody"
    exit 1
fi
echo "test-unprivileged: every test of permissions ran as nobody"

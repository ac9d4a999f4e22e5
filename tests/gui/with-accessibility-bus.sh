#!/bin/sh
# Runs a command on a virtual X display with a session bus and the AT-SPI bus on it, as a desktop has them
# for screen readers. A failed run is tried once more: on a busy machine the display or a bus can fail to
# start, while a fault of the program fails both runs.
# Usage: with-accessibility-bus.sh LAUNCHER COMMAND [ARGUMENTS...]
if [ "$1" = --inside ]; then
    shift
    "$1" --launch-immediately &
    launcher=$!
    shift
    "$@"
    status=$?
    kill "$launcher" 2>/dev/null
    exit $status
fi
for try in 1 2; do
    if xvfb-run -a dbus-run-session -- sh "$0" --inside "$@"; then
        exit 0
    fi
    echo "with-accessibility-bus.sh: run $try failed" >&2
done
exit 1

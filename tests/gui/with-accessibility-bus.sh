#!/bin/sh
# Runs a command with the AT-SPI bus started on the session bus, as a desktop has it for screen readers.
# Usage: with-accessibility-bus.sh LAUNCHER COMMAND [ARGUMENTS...]
set -e
launcher=$1
shift
"$launcher" --launch-immediately &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
"$@"

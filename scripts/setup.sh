#!/usr/bin/env bash
# Installs what building, running and testing Cairnly needs from Debian's packages (lintian and appstream
# only check the Debian package; xvfb, dbus-daemon and at-spi2-core give the accessibility test a desktop's
# accessibility bus), and the comma-decimal locale the tests use. Quick when everything is there already.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    clang clang-format libclang-rt-14-dev
    locales fonts-liberation xvfb xauth xdg-utils dbus-daemon at-spi2-core
    desktop-file-utils dpkg-dev librsvg2-bin help2man lintian appstream
    poppler-utils
)

source "$(dirname "$0")/packages.sh"
install_missing "${packages[@]}"

if ! grep -qi '^de_DE\.utf-\?8$' <<<"$(locale -a 2>/dev/null)"; then
    echo "setup: generating the de_DE.UTF-8 locale for the tests"
    as_root sh -c "grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen"
    as_root locale-gen
fi

#!/usr/bin/env bash
# Installs Cairnly from a built build folder into a scratch folder and checks every installed file, then
# builds the Debian package, unpacks it into another scratch folder and runs what it installed. The desktop
# entry, the AppStream metainfo and the package pass desktop-file-validate, appstreamcli and lintian.
# Usage: scripts/check-install.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "check-install: $*" >&2
    exit 1
}

DESTDIR="$scratch/install" cmake --install "$build" --prefix /usr >/dev/null
root=$scratch/install/usr

# The application's id names the desktop entry, the metainfo and the icon.
id=org.example.Cairnly
expected=(bin/cairnly bin/cairnly-data bin/cairnly-launch share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml share/doc/cairnly/copyright share/doc/cairnly/changelog.gz
    share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/cairnly.1.gz share/man/man1/cairnly-launch.1.gz share/man/man1/cairnly-data.1.gz)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
if [ -d docs ]; then
    while IFS= read -r file; do
        expected+=("share/cairnly/${file#docs/}")
    done < <(find docs -type f)
fi
for file in "${expected[@]}"; do
    [ -s "$root/$file" ] || fail "$file is not installed"
done
installed=$(cd "$root" && find . ! -type d | sed 's|^\./||' | sort)
[ "$installed" = "$(printf '%s\n' "${expected[@]}" | sort)" ] || fail "other files were installed: $installed"

for program in cairnly cairnly-data cairnly-launch; do
    [ -x "$root/bin/$program" ] || fail "bin/$program is not executable"
done
# Outputs are read whole before grep -q looks at them: grep stops at the first match, and under pipefail
# the writer it leaves behind would fail on the broken pipe.
usage=$("$root/bin/cairnly-data" --help) || fail "the installed cairnly-data does not run"
grep -q '^Usage: cairnly-data' <<<"$usage" || fail "the installed cairnly-data does not print its usage"
desktop-file-validate "$root/share/applications/$id.desktop"
grep -qx 'Exec=cairnly-launch' "$root/share/applications/$id.desktop" || fail "the desktop entry does not run the launcher"
grep -qx "Icon=$id" "$root/share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -rqF "setDesktopFileName(QStringLiteral(\"$id\"))" src || fail "the program does not name its desktop entry $id"
appstreamcli validate --no-net --strict "$root/share/metainfo/$id.metainfo.xml"
grep -q '^<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is not an SVG"
for size in 16 32 48 64 128 256; do
    # The PNG signature, then the width and height of the IHDR chunk as big-endian numbers.
    header=$(od -An -tx1 -N24 "$root/share/icons/hicolor/${size}x${size}/apps/$id.png" | tr -d ' \n')
    hex=$(printf '%08x' "$size")
    [ "$header" = "89504e470d0a1a0a0000000d49484452$hex$hex" ] || fail "the ${size}x${size} icon is not a PNG of that size"
done
grep -q '^\.TH CAIRNLY 1' <<<"$(zcat "$root/share/man/man1/cairnly.1.gz")" || fail "cairnly.1 is not a man page"
[ "$(readlink "$root/share/man/man1/cairnly-launch.1.gz")" = cairnly.1.gz ] || fail "cairnly-launch.1 is not cairnly.1"
grep -q 'import\\-lighterpack' <<<"$(zcat "$root/share/man/man1/cairnly-data.1.gz")" ||
    fail "cairnly-data.1 does not describe the usage"

# The launcher starts the program beside it in a folder of its own, made on the first start.
mkdir "$scratch/launch"
cp "$root/bin/cairnly-launch" "$scratch/launch/"
printf '#!/bin/sh\npwd\n' >"$scratch/launch/cairnly"
chmod +x "$scratch/launch/cairnly"
[ "$(XDG_DATA_HOME="$scratch/data" "$scratch/launch/cairnly-launch")" = "$scratch/data/cairnly" ] ||
    fail "the launcher does not start in \$XDG_DATA_HOME/cairnly"
[ "$(env -u XDG_DATA_HOME HOME="$scratch/home" "$scratch/launch/cairnly-launch")" = "$scratch/home/.local/share/cairnly" ] ||
    fail "the launcher does not start in ~/.local/share/cairnly"

# The package holds the same files, depends on the libraries it links and runs once unpacked.
package=$(scripts/package.sh "$build" | tail -n 1)
grep -q 'libqt6widgets6' <<<"$(dpkg-deb --field "$package" Depends)" || fail "the package does not depend on Qt"
[ "$(dpkg-deb --field "$package" Recommends)" = "xdg-utils, fonts-liberation" ] || fail "the package recommends other things"
dpkg -x "$package" "$scratch/package"
[ "$(cd "$scratch/package/usr" && find . ! -type d | sed 's|^\./||' | sort)" = "$installed" ] ||
    fail "the package holds other files than the install"
"$scratch/package/usr/bin/cairnly-data" --help >/dev/null
desktop-file-validate "$scratch/package/usr/share/applications/$id.desktop"
version=$(dpkg-deb --field "$package" Version)
changes=$(zcat "$scratch/package/usr/share/doc/cairnly/changelog.gz" | sed -n 1p)
[ "$changes" = "cairnly ($version) unstable; urgency=medium" ] || fail "the changelog starts with another version: $changes"

# lintian warns when it runs as root, as CI does: as root, it runs as nobody on a copy of the package that
# everyone may read. Any line it prints, an error, a warning or anything else, fails the check.
mkdir "$scratch/lint"
cp "$package" "$scratch/lint/"
chmod a+rX "$scratch" "$scratch/lint" "$scratch/lint/$(basename "$package")"
lint=(lintian)
if [ "$(id -u)" -eq 0 ]; then
    lint=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/nonexistent lintian)
fi
report=$("${lint[@]}" --fail-on error,warning "$scratch/lint/$(basename "$package")" 2>&1) ||
    fail "lintian finds fault with the package: $report"
[ -z "$report" ] || fail "lintian reports: $report"
echo "check-install: $(echo "$installed" | wc -l) files installed and checked; $(basename "$package") unpacks, runs" \
    "and passes lintian"

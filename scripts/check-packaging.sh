#!/bin/bash
# Validates the desktop integration and the Debian package of a configured and
# built tree: desktop entry, AppStream metainfo, file type, the .deb's
# dependencies, and the installed kolekt-tool on the sample collection.
# Usage: check-packaging.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
cd "$(dirname "$0")/.."
root=$(pwd)
scratch=$(mktemp -d /tmp/kolekt-package.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

if ! (cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1); then
    cat "$scratch/cpack.log"
    exit 1
fi
deb=$(ls "$scratch"/out/kolekt_*.deb)
echo "built $(basename "$deb")"

dpkg-deb -x "$deb" "$scratch/root"
usr="$scratch/root/usr"
desktop-file-validate "$usr/share/applications/org.kolekt.Kolekt.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.kolekt.Kolekt.metainfo.xml"
grep -qx 'Exec=kolekt %f' "$usr/share/applications/org.kolekt.Kolekt.desktop"
update-mime-database "$usr/share/mime" >/dev/null 2>&1
grep -q ':application/x-kolekt-collection:\*\.k09$' "$usr/share/mime/globs2"
for size in 16 22 24 32 48 64 128 256; do
    test -s "$usr/share/icons/hicolor/${size}x${size}/apps/org.kolekt.Kolekt.png"
done
test -s "$usr/share/icons/hicolor/scalable/apps/org.kolekt.Kolekt.svg"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
needed=(libstdc++6 qt6-qpa-plugins)
programs=("$usr/bin/kolekt-tool")
if [ -x "$build/src/app/kolekt" ]; then
    needed+=(libqt6widgets6)
    programs+=("$usr/bin/kolekt")
fi
for package in "${needed[@]}"; do
    grep -q "$package" <<<"$depends" || { echo "Depends lacks $package" >&2; exit 1; }
done
if ldd "${programs[@]}" | grep 'not found'; then
    echo "installed programs miss libraries" >&2
    exit 1
fi
# apt resolves every dependency of the package on this system (nothing is installed).
apt-get install -s -qq "$deb" >/dev/null

sample=samples/Group3.k09
if [ ! -f "$sample" ]; then
    sample="$scratch/Group3.k09"
    "$build/tools/kolekt-tool" sample "$sample"
fi
"$usr/bin/kolekt-tool" dump "$sample" >"$scratch/installed.txt"
"$build/tools/kolekt-tool" dump "$sample" >"$scratch/built.txt"
test -s "$scratch/installed.txt"
cmp "$scratch/installed.txt" "$scratch/built.txt"
echo "packaging checks passed"

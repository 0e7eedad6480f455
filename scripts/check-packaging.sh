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

fail() {
    echo "$*" >&2
    exit 1
}

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
grep -qx 'Exec=kolekt %f' "$usr/share/applications/org.kolekt.Kolekt.desktop" ||
    fail "the desktop entry does not start kolekt with the opened file (Exec=kolekt %f)"
for locale in $(ls src/resources/translations | sed -n 's/^kolekt_\(.*\)\.ts$/\1/p'); do
    grep -q "^GenericName\[$locale\]=" "$usr/share/applications/org.kolekt.Kolekt.desktop" ||
        fail "the desktop entry lacks the $locale name"
    grep -q "<summary xml:lang=\"$locale\">" "$usr/share/metainfo/org.kolekt.Kolekt.metainfo.xml" ||
        fail "the metainfo lacks the $locale summary"
done
update-mime-database "$usr/share/mime" >/dev/null 2>&1
grep -q ':application/x-kolekt-collection:\*\.k09$' "$usr/share/mime/globs2" ||
    fail "the installed file type does not claim *.k09"
for size in 16 22 24 32 48 64 128 256; do
    test -s "$usr/share/icons/hicolor/${size}x${size}/apps/org.kolekt.Kolekt.png" ||
        fail "the package lacks the ${size}x${size} icon"
done
test -s "$usr/share/icons/hicolor/scalable/apps/org.kolekt.Kolekt.svg" ||
    fail "the package lacks the scalable icon"
grep -q '^License: GPL-3+$' "$usr/share/doc/kolekt/copyright" ||
    fail "the package lacks its copyright file naming the GPL 3 or later"
maintainer=$(dpkg-deb -f "$deb" Maintainer)
grep -q 'kolekt@example.org' <<<"$maintainer" ||
    fail "the package's maintainer is not the contact address: $maintainer"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
needed=(libstdc++6 qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core)
programs=("$usr/bin/kolekt-tool")
if [ -x "$build/src/app/kolekt" ]; then
    needed+=(libqt6widgets6 libqt6printsupport6 libcups2)
    programs+=("$usr/bin/kolekt")
fi
for package in "${needed[@]}"; do
    grep -q "$package" <<<"$depends" || fail "Depends lacks $package"
done
if ldd "${programs[@]}" | grep 'not found'; then
    fail "installed programs miss libraries"
fi
# apt resolves every dependency from the Debian archive as on a machine with
# nothing installed yet (simulated: nothing is installed here).
if ! apt-get install -s -o Dir::State::status=/dev/null "$deb" >"$scratch/apt.log" 2>&1; then
    tail -n 20 "$scratch/apt.log"
    fail "apt cannot install the package on a fresh system"
fi
echo "a fresh Debian would install $(grep -c '^Inst' "$scratch/apt.log") packages with it"

sample=samples/Group3.k09
if [ ! -f "$sample" ]; then
    sample="$scratch/Group3.k09"
    "$build/tools/kolekt-tool" sample "$sample"
fi
"$usr/bin/kolekt-tool" dump "$sample" >"$scratch/installed.txt"
"$build/tools/kolekt-tool" dump "$sample" >"$scratch/built.txt"
test -s "$scratch/installed.txt" || fail "the installed kolekt-tool dumped nothing"
cmp "$scratch/installed.txt" "$scratch/built.txt" ||
    fail "the installed kolekt-tool reads the sample differently from the built one"

if [ -x "$usr/bin/kolekt" ]; then
    # Started as the menu entry or a double-click starts it, the installed program runs
    # until it is told to end, and then remembers the file it was given.
    cp "$sample" "$scratch/Opened.K09"
    command=$(sed -n 's/^Exec=kolekt //p' "$usr/share/applications/org.kolekt.Kolekt.desktop")
    status=0
    QT_QPA_PLATFORM=offscreen timeout 5 "$usr/bin/kolekt" "${command/\%f/$scratch/Opened.K09}" \
        >"$scratch/kolekt.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$scratch/kolekt.log"
        fail "the installed kolekt ended at once (status $status)"
    fi
    grep -qx "LoadPath=$scratch/Opened.K09" "$usr/bin/kolekt.ini" ||
        fail "the installed kolekt did not take the file it was given"
fi
echo "packaging checks passed"

#!/bin/bash
# Drives the Windows programs under Wine on a private X display and holds them against the
# Linux build: kolekt-tool.exe's dump and pdf give what kolekt-tool gives; kolekt.exe posts a
# report with keys and leaves the file byte for byte as the Linux kolekt leaves it, keeps its
# INI beside itself, and a second copy on the same file says so and writes nothing.
# Usage: program-under-wine.sh WIN_KOLEKT WIN_TOOL LINUX_KOLEKT LINUX_TOOL
set -euo pipefail
win_kolekt=$1
win_tool=$2
linux_kolekt=$3
linux_tool=$4
source "$(dirname "$0")/../../scripts/xvfb-session.sh" wine
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
start_private_display || fail "no private X display"
# Windows programs take Windows' own platform; the Linux kolekt is given xcb where it starts.
unset QT_QPA_PLATFORM
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
wineboot -i >/dev/null 2>&1 || fail "wineboot could not make a Wine prefix"
trap 'wineserver -k 2>/dev/null || true; end_xvfb_session' EXIT
winpath() { winepath -w "$1" 2>/dev/null; }

# -- kolekt-tool.exe against kolekt-tool, in three code pages
for language in eng cz greek; do
    mkdir "$scratch/$language"
    "$linux_tool" sample --language "$language" "$scratch/$language/g.k09" >/dev/null
    "$linux_tool" dump --json "$scratch/$language/g.k09" >"$scratch/$language/linux.json"
    wine "$win_tool" dump --json "$(winpath "$scratch/$language/g.k09")" \
        >"$scratch/$language/windows.json" || fail "kolekt-tool.exe dump ($language)"
    python3 - "$scratch/$language" <<'SAME' || fail "dump --json differs ($language)"
import json, sys
folder = sys.argv[1]
linux, windows = (json.load(open(f"{folder}/{name}.json", encoding="utf-8"))
                  for name in ("linux", "windows"))
# The one field that names the file differs by the system's way of writing paths.
linux.pop("file"); windows.pop("file")
sys.exit(0 if linux == windows else 1)
SAME
    "$linux_tool" pdf "$scratch/$language/g.k09" "$scratch/$language/linux.pdf"
    wine "$win_tool" pdf "$(winpath "$scratch/$language/g.k09")" \
        "$(winpath "$scratch/$language/windows.pdf")" || fail "kolekt-tool.exe pdf ($language)"
    # The same words in the same order; where they stand follows each system's fonts.
    for system in linux windows; do
        pdftotext "$scratch/$language/$system.pdf" - | tr -s ' \n' '\n\n' | grep -v '^$' \
            >"$scratch/$language/$system.txt"
    done
    diff "$scratch/$language/linux.txt" "$scratch/$language/windows.txt" >&2 ||
        fail "the PDF's text differs ($language)"
done

# -- kolekt.exe and kolekt post the same report with the same keys
window() {
    local id
    id=$(timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1) ||
        fail "no window named '$1'"
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowactivate "$id" 2>/dev/null || true
    echo "$id"
}
gone() {
    for _ in $(seq 150); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    fail "window '$1' did not close"
}
keys() { xdotool key --delay 80 "$@"; }
ended() {
    for _ in $(seq 150); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.2
    done
    fail "$2 did not end"
}
# Zoë Hartmann (record 6, publisher): shared, 2 Bible studies; then Esc ends the program.
post_hartmann_and_leave() {
    local main
    main=$(window "Report Collection - Group 3")
    keys Home Down Down Down Down Down Return
    window "Hartmann" >/dev/null
    keys space Return 2 Return
    gone "Hartmann"
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    keys Escape
}

mkdir "$scratch/lin" "$scratch/win"
"$linux_tool" sample "$scratch/lin/Group3.k09" >/dev/null
cp "$scratch/lin/Group3.k09" "$scratch/win/Group3.k09"
cp "$scratch/lin/Group3.k09" "$scratch/original.k09"
cp "$linux_kolekt" "$scratch/lin/kolekt"
cp "$win_kolekt" "$scratch/win/kolekt.exe"
win_file=$(winpath "$scratch/win/Group3.k09")

QT_QPA_PLATFORM=xcb "$scratch/lin/kolekt" "$scratch/lin/Group3.k09" &
kolekt_pid=$!
post_hartmann_and_leave
ended "$kolekt_pid" "kolekt"
kolekt_pid=

wine "$scratch/win/kolekt.exe" "$win_file" &
kolekt_pid=$!
post_hartmann_and_leave
ended "$kolekt_pid" "kolekt.exe"
kolekt_pid=
cmp "$scratch/lin/Group3.k09" "$scratch/win/Group3.k09" ||
    fail "kolekt.exe wrote other bytes than kolekt"
cmp -s "$scratch/original.k09" "$scratch/win/Group3.k09" && fail "kolekt.exe stored nothing"
[ -f "$scratch/win/kolekt.ini" ] || fail "no kolekt.ini beside kolekt.exe"
grep -q "LoadPath=" "$scratch/win/kolekt.ini" || fail "kolekt.ini holds no LoadPath"

# -- a second kolekt.exe on the same file says so and writes nothing
cp "$scratch/win/Group3.k09" "$scratch/posted.k09"
wine "$scratch/win/kolekt.exe" "$win_file" &
kolekt_pid=$!
first=$(window "Report Collection - Group 3")
wine "$scratch/win/kolekt.exe" "$win_file" &
second_pid=$!
window "^kolekt$" >/dev/null
# OK, then Esc ends the second one's empty window.
keys Return
sleep 2
keys Escape
ended "$second_pid" "the second kolekt.exe"
xdotool windowfocus --sync "$first" 2>/dev/null || true
keys Escape
ended "$kolekt_pid" "kolekt.exe"
kolekt_pid=
cmp -s "$scratch/posted.k09" "$scratch/win/Group3.k09" || fail "the second kolekt.exe wrote"

echo "Windows programs under Wine: all checks passed"

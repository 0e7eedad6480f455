#!/bin/bash
# Drives the Windows programs under Wine on a private X display and holds them against the
# Linux build: kolekt-tool.exe's dump and pdf give what kolekt-tool gives; kolekt.exe posts a
# report with keys and leaves the file byte for byte as the Linux kolekt leaves it, keeps its
# INI beside itself, and a second copy on the same file says so and writes nothing; the return
# file goes to the secretary through a stand-in MAPI32.DLL; a read-only collection is left as it
# was, the post kept in the recovery folder.
# Usage: program-under-wine.sh WIN_KOLEKT WIN_TOOL LINUX_KOLEKT LINUX_TOOL MAPI_DLL
set -euo pipefail
win_kolekt=$1
win_tool=$2
linux_kolekt=$3
linux_tool=$4
mapi_dll=$5
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
# With no window manager a new window, a message box too, is not given the focus: keys go to
# the one focused here. Focusing waits until X reports the focus moved, which may never come.
focus() {
    timeout 10 xdotool windowfocus --sync "$1" 2>/dev/null ||
        timeout 10 xdotool windowactivate "$1" 2>/dev/null || true
}
window() {
    local id
    id=$(timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1) ||
        fail "no window named '$1'"
    focus "$id"
    echo "$id"
}
keys() { xdotool key --delay 80 "$@"; }
# A message box (titled "kolekt") gives its text to the clipboard on Ctrl+C, and Wine hands the
# clipboard on to X; the box must say $1 (a fixed text) before the test answers it.
box_says() {
    local text=
    window "^kolekt$" >/dev/null
    for _ in $(seq 20); do
        keys ctrl+c
        text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null) || text=
        grep -qF -- "$1" <<<"$text" && return 0
        sleep 0.5
    done
    fail "no message box saying '$1'; the last box read: $text"
}
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
    focus "$main"
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
focus "$first"
keys Escape
ended "$kolekt_pid" "kolekt.exe"
kolekt_pid=
cmp -s "$scratch/posted.k09" "$scratch/win/Group3.k09" || fail "the second kolekt.exe wrote"

# -- the return file goes to the secretary through the mail client beside kolekt.exe
mkdir "$scratch/mail"
cp "$scratch/original.k09" "$scratch/mail/Group3.k09"
cp "$win_kolekt" "$scratch/mail/kolekt.exe"
cp "$mapi_dll" "$scratch/mail/MAPI32.dll"
secretary=$("$linux_tool" dump --json "$scratch/original.k09" |
    python3 -c 'import json, sys; print(json.load(sys.stdin)["secretary"])')
return_file=$(winpath "$scratch/mail/Group3.k19")
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mapi32=n" KOLEKT_MAPI_LOG=$(winpath "$scratch/mail/mapi.log") \
    wine "$scratch/mail/kolekt.exe" "$(winpath "$scratch/mail/Group3.k09")" &
kolekt_pid=$!
main=$(window "Report Collection - Group 3")
# From the list past "Load New List" and "View or Print" to "Create File for Secretary".
keys Tab Tab Tab space
box_says "These reports are still missing"
keys alt+y
box_says "$return_file"
keys alt+y
for _ in $(seq 50); do
    [ -s "$scratch/mail/mapi.log" ] && break
    sleep 0.2
done
focus "$main"
keys Escape
ended "$kolekt_pid" "kolekt.exe with the mail client"
kolekt_pid=
log=$scratch/mail/mapi.log
[ -f "$scratch/mail/Group3.k19" ] || fail "no Group3.k19 beside the collection"
grep -qx "entry: MAPISendMailW" "$log" || fail "the mail client was not handed the mail: $(cat "$log" 2>/dev/null)"
grep -qx "recipient: 1 $secretary <SMTP:$secretary>" "$log" || fail "the mail is not to $secretary: $(cat "$log")"
# The log writes a backslash as two.
attached=$(sed -n 's/^attachment: [0-9-]* //p' "$log")
[ "$attached" = "${return_file//\\/\\\\}|" ] || fail "the mail does not carry $return_file: $(cat "$log")"

# -- a read-only collection (the attribute, as chmod shows it to Wine) is left as it was; in
# Spanish, whose OK button is Qt's own text, which kolekt.exe carries inside. Last, since the
# collection it recovers is announced at the next start in this Wine prefix.
mkdir "$scratch/ro"
cp "$scratch/original.k09" "$scratch/ro/Group3.k09"
chmod 0444 "$scratch/ro/Group3.k09"
cp "$win_kolekt" "$scratch/ro/kolekt.exe"
wine "$scratch/ro/kolekt.exe" --language spanish "$(winpath "$scratch/ro/Group3.k09")" &
kolekt_pid=$!
main=$(window "Grupo 3")
# José Álvarez (record 4): shared, 2 Bible studies; the save is refused.
keys Home Down Down Down Return
window "lvarez" >/dev/null
keys space Return 2 Return
box_says "No se puede crear el archivo nuevo: $(winpath "$scratch/ro/Group3.k09")."
box_says "Aceptar"
keys Return
gone "lvarez"
focus "$main"
keys Escape
# Ending, the post that the file could not take is kept in the recovery folder.
box_says '\Kolekt\recovered\Group3 '
keys Return
ended "$kolekt_pid" "kolekt.exe on a read-only collection"
kolekt_pid=
cmp -s "$scratch/original.k09" "$scratch/ro/Group3.k09" || fail "kolekt.exe wrote the read-only collection"
recovered=("$WINEPREFIX"/drive_c/users/*/AppData/Local/Kolekt/recovered/*.k09)
[ -f "${recovered[0]}" ] || fail "no recovered collection"
cmp -s "$scratch/original.k09" "${recovered[0]}" && fail "the recovered collection lacks the post"

echo "Windows programs under Wine: all checks passed"

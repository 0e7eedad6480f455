#!/bin/bash
# Drives the real kolekt under Xvfb with keyboard events alone through a month:
# opens the sample collection, posts reports (one with a remark, one late),
# creates the return file and mails it through a stand-in xdg-email, leaves
# with Esc, then checks the collection, the return file and the settings on disk.
# Usage: month-under-xvfb.sh KOLEKT KOLEKT_TOOL
set -euo pipefail
kolekt=$1
tool=$2
source "$(dirname "$0")/../../scripts/xvfb-session.sh" month
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# The program keeps its settings beside itself when it can, so it runs from a copy.
cp "$kolekt" "$scratch/kolekt"
"$tool" sample "$scratch/Group3.k09" >/dev/null
"$tool" dump --json "$scratch/Group3.k09" >"$scratch/before.json"
# The late report goes to a month the sample left without a report (it fills the two before the
# collection month): three months back, or the month after it early in the year. The month list
# runs from the month after the collection month (at the top) to the collection month.
month=$(python3 -c 'import json, sys; print(json.load(sys.stdin)["month"])' <"$scratch/before.json")
if [ "$month" -lt 3 ]; then
    late_keys="Home" late_month=$((month + 1))
else
    late_keys="Up Up Up" late_month=$((month - 3))
fi
mkdir "$scratch/bin"
cat >"$scratch/bin/xdg-email" <<STANDIN
#!/bin/sh
printf '%s\n' "\$@" >"$scratch/xdg-email.args"
STANDIN
chmod +x "$scratch/bin/xdg-email"

start_private_display || fail "no private X display"
export PATH="$scratch/bin:$PATH"

# Waits until a window whose name matches is shown, and gives it the keyboard.
window() {
    local id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1) ||
        fail "no window named '$1'"
    xdotool windowfocus --sync "$id"
    echo "$id"
}
keys() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 60 "$1"; }

"$scratch/kolekt" "$scratch/Group3.k09" &
kolekt_pid=$!
main=$(window "Report Collection - Group 3")

# Records in file order; the list starts on the first line.
select_record() {
    xdotool windowfocus --sync "$main"
    keys Home
    for ((i = 1; i < $1; i++)); do keys Down; done
    keys Return
}

# Zoë Hartmann (6, publisher): shared, 2 Bible studies.
select_record 6
window "Hartmann" >/dev/null
keys space Return
type_text 2
keys Return
gone "Hartmann"

# José Álvarez (4): no report, a remark instead.
select_record 4
window "lvarez" >/dev/null
keys alt+r
type_text "Was ill"
keys Return Return Return
gone "lvarez"

# Chloé Martin (10): a late report.
select_record 10
window "Martin" >/dev/null
# shellcheck disable=SC2086 # one key name per word
keys alt+m $late_keys alt+o space Return
type_text 1
keys Return
gone "Martin"

# Create File for Secretary (third control after the list) with reports still missing, which
# it names first, then mail it.
xdotool windowfocus --sync "$main"
keys Tab Tab Tab space
window "^kolekt$" >/dev/null
keys alt+y
sleep 1
window "^kolekt$" >/dev/null
keys alt+y
gone "^kolekt$"

xdotool windowfocus --sync "$main"
keys Escape
for _ in $(seq 150); do
    kill -0 "$kolekt_pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$kolekt_pid" 2>/dev/null && fail "kolekt did not end after Esc"
wait "$kolekt_pid" || fail "kolekt ended with status $?"
kolekt_pid=

"$tool" dump --json "$scratch/Group3.k09" >"$scratch/after.json"
"$tool" dump --json "$scratch/Group3.k19" >"$scratch/return.json"
python3 - "$scratch" "$late_month" <<'CHECK'
import json, os, sys

scratch, late_month = sys.argv[1], int(sys.argv[2])
def load(name):
    with open(f"{scratch}/{name}") as f:
        return json.load(f)
before, after, returned = load("before.json"), load("after.json"), load("return.json")
record = {p["record"]: p for p in after["publishers"]}

def expect(condition, what):
    if not condition:
        sys.exit(f"FAILED: {what}")

expect(record[6]["shared"] and record[6]["studies"] == 2 and not record[6]["missing"],
       "Hartmann's report: shared with 2 studies")
expect(record[4]["remark"] == "Was ill" and not record[4]["missing"], "Álvarez's remark")
expect(late_month in record[10]["lateMonths"], "Martin's late flag")
expect(record[10]["missing"], "Martin's report for the collection month is still missing")
expect(after["missing"] == before["missing"] - 2, "two reports fewer missing")
for key in ("file",):
    after.pop(key)
    returned.pop(key)
expect(returned == after, "the return file holds what the collection file holds")

args = open(f"{scratch}/xdg-email.args").read().split("\n")
attached = args[args.index("--attach") + 1] if "--attach" in args else ""
expect(os.path.basename(attached) == "Group3.k19"
       and os.path.dirname(attached) != scratch
       and os.stat(os.path.dirname(attached)).st_mode & 0o777 == 0o700
       and open(attached, "rb").read() == open(f"{scratch}/Group3.k19", "rb").read(),
       "a private copy of the return file is attached to the mail")
expect(before["secretary"] in args, "the mail goes to the secretary")

settings = open(f"{scratch}/kolekt.ini", encoding="utf-8").read()
expect(f"LoadPath={scratch}/Group3.k09" in settings, "LoadPath setting")
expect("Post=Chloé Martin" in settings, "Post setting names the last publisher posted")
print("month under Xvfb: all checks passed")
CHECK

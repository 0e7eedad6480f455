#!/bin/bash
# Remakes the README's pictures under Xvfb: the main window, the report entry
# dialog, the viewer and the Group Year on the bundled sample, the main window in
# German, and the first page of the printed form. Writes docs/images/*.png.
# Usage: scripts/screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
images=docs/images
source scripts/xvfb-session.sh screenshots

g++ -O2 -std=c++20 -fPIC scripts/screenshots/GrabWindow.cpp $(pkg-config --cflags --libs Qt6Gui) \
    -o "$scratch/grab-window"
cp "$build/src/app/kolekt" "$scratch/kolekt"
cp samples/Group3.k09 "$scratch/Group3.k09"
mkdir -p "$images"

start_private_display

window() {
    local id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    xdotool windowfocus --sync "$id"
    echo "$id"
}
# Lets the window finish painting, then grabs it.
grab() {
    sleep 0.5
    "$scratch/grab-window" "$1" "$images/$2"
    echo "wrote $images/$2"
}
keys() { xdotool key --delay 80 "$@"; }

"$scratch/kolekt" --language eng "$scratch/Group3.k09" &
kolekt_pid=$!
main=$(window "Report Collection - Group 3")
keys Down Down Down Down Down
grab "$main" main-window.png

keys Return
entry=$(window "Hartmann")
keys space Return 2
grab "$entry" entry-dialog.png
keys Escape

# "View or Print Report Collection List" by its access key.
xdotool windowfocus --sync "$main"
keys Home alt+v
viewer=$(window "Report Collection$")
grab "$viewer" viewer.png
keys Escape

xdotool windowfocus --sync "$main"
keys ctrl+y
year=$(window "Group Year")
grab "$year" group-year.png
keys Escape

xdotool windowfocus --sync "$main"
keys Escape
wait "$kolekt_pid" || true
kolekt_pid=

"$scratch/kolekt" --language german "$scratch/Group3.k09" &
kolekt_pid=$!
main=$(window "Gruppe 3")
keys Down Down Down Down Down
grab "$main" main-window-de.png
keys Escape
wait "$kolekt_pid" || true
kolekt_pid=

"$build/tools/kolekt-tool" pdf --language eng "$scratch/Group3.k09" "$scratch/form.pdf" >/dev/null
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$scratch/form.pdf" "$images/printed-form"
echo "wrote $images/printed-form.png"

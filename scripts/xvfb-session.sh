# Sourced by the scripts that drive kolekt on a private X display:
#   source scripts/xvfb-session.sh NAME
# gives $scratch, a fresh folder under /tmp named after NAME, removed at exit
# together with the Xvfb server and the process in $kolekt_pid, if any.
# start_private_display starts Xvfb on a free display number and points DISPLAY,
# XDG_RUNTIME_DIR and HOME at it and into $scratch.
# gone waits until no shown window's name matches $1, else ends through the
# sourcing script's fail.
scratch=$(mktemp -d "/tmp/kolekt-${1:-xvfb}.XXXXXX")
xvfb_pid=
kolekt_pid=
end_xvfb_session() {
    [ -n "$kolekt_pid" ] && kill "$kolekt_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap end_xvfb_session EXIT

start_private_display() {
    local display
    exec 3< <(Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>&1 2>/dev/null)
    xvfb_pid=$!
    if ! read -r -t 20 display <&3; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/.local/share"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME"
}

# Waits until no shown window's name matches $1.
gone() {
    for _ in $(seq 150); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    fail "window '$1' did not close"
}

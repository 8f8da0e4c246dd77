#!/usr/bin/env bash
# Starts the real vantaloop binary on a 1024 × 768 virtual X screen and checks what a
# user would see, from outside the process, with xdotool and xwininfo.
set -euo pipefail

binary=$(realpath "$1")
if [[ -z ${E2E_INSIDE_XVFB:-} ]]; then
    export E2E_INSIDE_XVFB=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -nolisten tcp" \
        "$0" "$binary"
fi

work=$(mktemp -d)
log=$work/vantaloop.log
pid=
finish() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

failures=0
check() { # description, expected, actual
    if [[ $2 == "$3" ]]; then
        echo "ok: $1"
    else
        echo "FAIL: $1: expected '$2', got '$3'"
        failures=$((failures + 1))
    fi
}

# The first visible window whose whole name is $1; waits up to $2 seconds.
wait_window() {
    local deadline=$((SECONDS + $2)) id
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# "x y width height" of a window, as the X server has it.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}

# Copies the program to a folder of its own: its folder is where the untitled list goes.
cp "$binary" "$work/vantaloop"
QT_QPA_PLATFORM=xcb "$work/vantaloop" >"$log" 2>&1 &
pid=$!

caption="$work/Untitle.vvv - Play Image Files Version 1.0"
if ! main=$(wait_window "$(printf '%s' "$caption" | sed 's/[.[\*^$]/\\&/g')" 30); then
    echo "FAIL: no main window titled '$caption' appeared"
    cat "$log"
    exit 1
fi
check "main window title" "$caption" "$(xdotool getwindowname "$main")"
check "main window 800 x 600 at (112, 84)" "112 84 800 600" "$(geometry "$main")"

if toolbar=$(wait_window "Control" 10); then
    check "floating toolbar at the bottom-right corner" "882 742 142 26" "$(geometry "$toolbar")"
else
    echo "FAIL: the floating toolbar is not mapped"
    failures=$((failures + 1))
fi
check "no image window mapped" "" "$(xdotool search --onlyvisible --name '^View Image$' || true)"

if ((failures > 0)); then
    echo "--- program output"
    cat "$log"
    exit 1
fi
echo "end-to-end: all checks passed"

#!/usr/bin/env bash
# Starts the real vantaloop binary on a 1024 × 768 virtual X screen and checks what a
# user would see, from outside the process, with xdotool and xwininfo.
set -euo pipefail

binary=$(realpath "$1")
make_picture=$(realpath "$2")
if [[ -z ${E2E_INSIDE_XVFB:-} ]]; then
    export E2E_INSIDE_XVFB=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -nolisten tcp" \
        "$0" "$binary" "$make_picture"
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

# Waits up to $3 seconds for window $1 to have geometry $2; prints the last seen.
wait_geometry() {
    local deadline=$((SECONDS + $3)) seen
    while ((SECONDS < deadline)); do
        seen=$(geometry "$1")
        [[ $seen == "$2" ]] && break
        sleep 0.1
    done
    echo "$seen"
}

# Copies the program to a folder of its own: its folder is where the untitled list goes,
# and where the setup window starts browsing. A small picture tree lies below it.
cp "$binary" "$work/vantaloop"
mkdir -p "$work/pics/sub"
"$make_picture" "$work/pics/a.jpg" 200x150
"$make_picture" "$work/pics/sub/b.jpg" 160x120
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
image_window() { xdotool search --onlyvisible --name '^View Image$' 2>/dev/null || true; }
check "no image window mapped" "" "$(image_window)"

# A recursive Add of the program's folder through the setup window, by keyboard:
# from the slide list, Shift+Tab reaches Add, then Recursive.
xdotool mousemove 640 300 click 1
sleep 0.3
xdotool key shift+Tab shift+Tab space Tab space
sleep 1

# Play on the floating toolbar (its third button): the first picture, centred.
xdotool mousemove 941 755 click 1
if image=$(wait_window "View Image" 10); then
    check "image window centred at the first picture's size" "412 309 200 150" \
        "$(geometry "$image")"
    # One display time later the second picture is on screen.
    check "the show moves on to the second picture" "432 324 160 120" \
        "$(wait_geometry "$image" "432 324 160 120" 5)"
else
    echo "FAIL: playing the added pictures mapped no image window"
    failures=$((failures + 1))
fi

# Stop (the fifth button) unmaps the image window.
xdotool mousemove 987 755 click 1
sleep 0.5
check "Stop unmaps the image window" "" "$(image_window)"

if ((failures > 0)); then
    echo "--- program output"
    cat "$log"
    exit 1
fi
echo "end-to-end: all checks passed"

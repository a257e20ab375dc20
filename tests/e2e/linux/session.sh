# Shared by the Linux program's end-to-end tests: a private Xvfb display
# with a tray host (and, when asked, a window manager), a throwaway HOME in
# dry-run mode, and helpers that act as a user would with xdotool. Every
# process started here is ended by its own PID. Source it with `program` set
# to the binary and `shots_out` to a folder for screenshots (or empty).
set -eEuo pipefail

work=$(mktemp -d /tmp/tarvenel-e2e.XXXXXX)
pids=()
# A command that stops the script through `set -e` is named on the way out,
# so that no run ends without saying why.
failed=
last_error=
trap 'last_error="line $LINENO: $BASH_COMMAND"' ERR

cleanup() {
    local status=$? pid
    if [ "$status" != 0 ] && [ -z "$failed" ]; then
        echo "FAIL: stopped at $last_error (status $status)" >&2
    fi
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    failed=1
    echo "FAIL: $*" >&2
    if [ -s "$work/program.log" ]; then
        echo "-- the program said:" >&2
        tail -n 20 "$work/program.log" >&2
    fi
    if [ -n "${shots_out:-}" ]; then
        mkdir -p "$shots_out"
        import -window root "$shots_out/failure.png" 2>/dev/null || true
    fi
    exit 1
}
step() { echo "== $*"; }

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
    local limit=$(($(date +%s%N) / 1000000 + $1 * 1000))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $(($(date +%s%N) / 1000000)) -lt $limit ] || return 1
        sleep 0.1
    done
}

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/run
export TARVENEL_DRY_RUN=$work/dry-run.txt
# Belt and braces: even a slip past dry-run mode finds no system bus.
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/no-system-bus
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
unset DBUS_SESSION_BUS_ADDRESS
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# start_xvfb LOG: a private display, as "NUMBER PID".
start_xvfb() {
    "$(dirname "${BASH_SOURCE[0]}")/../start_xvfb.sh" "$1" -screen 0 1024x768x24 -br
}

# start_session [openbox] [notray]: the display, the tray in the
# bottom-right corner unless `notray`, and openbox as the window manager
# when asked.
start_session() {
    local number xvfb
    read -r number xvfb < <(start_xvfb "$work/xvfb.log") ||
        fail "no Xvfb display could be opened: $(tail -n 5 "$work/xvfb.log")"
    pids+=("$xvfb")
    export DISPLAY=:$number
    if [[ " $* " == *" openbox "* ]]; then
        start_openbox || fail "openbox manages no window: $(cat "$work/openbox.log")"
    fi
    [[ " $* " == *" notray "* ]] || start_tray
}

# openbox announces itself on the root window before it handles the first
# windows, and a window mapped in between is never shown: ready once a probe
# window comes up managed.
openbox_manages() {
    local probe limit=$((SECONDS + 3)) managed=1
    xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || return 1
    xmessage -name tarvenel-probe -timeout 10 probe >/dev/null 2>&1 &
    probe=$!
    while [ $SECONDS -lt $limit ]; do
        if xprop -id "$(xdotool search --classname tarvenel-probe 2>/dev/null | head -n1)" WM_STATE 2>/dev/null |
            grep -q Normal; then
            managed=0
            break
        fi
        sleep 0.1
    done
    kill "$probe" 2>/dev/null || true
    wait "$probe" 2>/dev/null || true
    return $managed
}

# In parallel runs openbox has now and then ended at once, unable to open a
# display that a client had just opened (cause not found): it is started
# again then, with the display's state noted in its log.
start_openbox() {
    local attempt pid
    for attempt in 1 2 3; do
        openbox --sm-disable >>"$work/openbox.log" 2>&1 &
        pid=$!
        pids+=($pid)
        # Still running here means it manages windows.
        wait_for 30 eval 'openbox_manages || ! kill -0 $pid' || return 1
        kill -0 "$pid" 2>/dev/null && return 0
        echo "session.sh: openbox ended (try $attempt); the display answers:" \
            "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>&1 | head -n1)" >>"$work/openbox.log"
    done
    return 1
}

# The tray host now and then ends before it maps its window when the
# machine is busy; a test about the program should not fail on that, so it
# gets three tries of up to 20 s, and its own words are shown if none takes.
start_tray() {
    local attempt tray limit
    for attempt in 1 2 3; do
        trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 \
            --transparent false --tint 0x404040 >>"$work/trayer.log" 2>&1 &
        tray=$!
        pids+=($tray)
        limit=$((SECONDS + 20))
        while kill -0 "$tray" 2>/dev/null && [ $SECONDS -lt $limit ]; do
            xdotool search --class trayer >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$tray" 2>/dev/null || true
        echo "trayer, try $attempt: no window" >&2
    done
    fail "trayer did not start: $(cat "$work/trayer.log")"
}

main_title='^Tarvenel 1\.5\.0$'
main_window() { xdotool search --onlyvisible --name "$main_title" | head -n1; }
# window_box WINDOW: its place and size on the screen as BX, BY, BW, BH.
window_box() {
    local info
    info=$(xwininfo -id "$1")
    BX=$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info")
    BY=$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")
    BW=$(awk '/Width:/ { print $2 }' <<<"$info")
    BH=$(awk '/Height:/ { print $2 }' <<<"$info")
}
# The main window's top-left corner on the screen, as wx and wy.
locate_main() {
    local w
    w=$(main_window)
    [ -n "$w" ] || fail "the main window is not shown"
    window_box "$w"
    wx=$BX wy=$BY
}

start_program() {
    "$program" >>"$work/program.log" 2>&1 &
    app=$!
    pids+=($app)
    wait_for 15 main_window || fail "the main window did not appear"
    locate_main
}

shot() { import -window root "$work/$1.png"; }
# settled NAME: a screenshot once the screen has stopped changing (two in a
# row alike; the clock line changes once a second).
settled() {
    local limit=$((SECONDS + 20))
    shot "$1"
    until [ $SECONDS -ge $limit ]; do
        mv "$work/$1.png" "$work/$1.before.png"
        shot "$1"
        [ "$(compare -metric AE "$work/$1.before.png" "$work/$1.png" null: 2>&1)" = 0 ] && return 0
        sleep 0.1
    done
    fail "the screen keeps changing ($1)"
}
# locate_settled: locate_main once the window has stopped moving.
locate_settled() {
    local limit=$((SECONDS + 20)) before
    locate_main
    until [ $SECONDS -ge $limit ]; do
        before="$wx,$wy"
        sleep 0.1
        locate_main
        [ "$wx,$wy" = "$before" ] && return 0
    done
    fail "the main window keeps moving"
}
# choose COMBO_X STEPS: picks entry STEPS of a selector with the keyboard (the
# first entry, then STEPS entries down), as a user choosing from it; a click
# in its text field gives it the keys.
choose() {
    click "$1" 82
    xdotool key --delay 2 --repeat 60 Up
    [ "$2" -eq 0 ] || xdotool key --delay 2 --repeat "$2" Down
}
pixel() { convert "$work/$1.png" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$2+$3" info:; }
# Clicks at a point of the main window (window pixels).
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click "${3:-1}"; }
# same_area SHOT1 SHOT2 X Y W H: the window area looks alike in both.
same_area() {
    [ "$(compare -metric AE -extract "$5x$6+$((wx + $3))+$((wy + $4))" "$work/$1.png" "$work/$2.png" null: 2>&1)" = 0 ]
}

# A message box of the program is up (the tray icon, also "Tarvenel", is
# smaller); its place and size are left in BX, BY, BW, BH.
visible_box() { message_box >/dev/null; }
# The same box's window id.
message_box() {
    local w
    for w in $(xdotool search --onlyvisible --name '^Tarvenel$' 2>/dev/null); do
        window_box "$w"
        [ "$BW" -gt 64 ] && echo "$w" && return 0
    done
    return 1
}
# area_shot NAME X Y W H: a picture of part of the main window.
area_shot() { import -window root -crop "$4x$5+$((wx + $2))+$((wy + $3))" "$work/$1.png"; }
# pixels_changed NAME1 NAME2: how many pixels differ between two pictures.
pixels_changed() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1; }

# The program's icon in the tray: a small window of its own.
click_tray_icon() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$app" --name '^Tarvenel$' 2>/dev/null); do
        window_box "$w"
        [ "$BW" -le 64 ] || continue
        xdotool mousemove $((BX + BW / 2)) $((BY + BH / 2)) click 1
        return 0
    done
    fail "no icon in the tray"
}

keep_shots() {
    if [ -n "${shots_out:-}" ]; then
        mkdir -p "$shots_out"
        cp "$work"/*.png "$shots_out"/
    fi
}

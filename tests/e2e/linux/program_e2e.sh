#!/usr/bin/env bash
# End-to-end test of the Linux program: starts the real binary on a private
# Xvfb display with a tray host, in dry-run mode with a throwaway HOME, and
# acts as a user would with xdotool. Every process it starts is ended by its
# own PID. Usage: program_e2e.sh PROGRAM [SCREENSHOT_DIR]
set -euo pipefail

program=$(realpath "$1")
shots_out=${2:-}
work=$(mktemp -d /tmp/tarvenel-e2e.XXXXXX)
pids=()

cleanup() {
    local pid
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
    echo "FAIL: $*" >&2
    if [ -n "$shots_out" ]; then
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

# --- A private display, a tray and a throwaway home

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/run
export TARVENEL_DRY_RUN=$work/dry-run.txt
# Belt and braces: even a slip past dry-run mode finds no system bus.
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/no-system-bus
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
unset DBUS_SESSION_BUS_ADDRESS
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")

trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 \
    --transparent false --tint 0x404040 >"$work/trayer.log" 2>&1 &
pids+=($!)
wait_for 10 xdotool search --class trayer || fail "trayer did not start"

start_program() {
    "$program" >>"$work/program.log" 2>&1 &
    app=$!
    pids+=($app)
    wait_for 15 xdotool search --onlyvisible --name '^Tarvenel 1\.5\.0$' ||
        fail "the main window did not appear"
    main=$(xdotool search --onlyvisible --name '^Tarvenel 1\.5\.0$' | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$main")"
    wx=$X wy=$Y
}

shot() { import -window root "$work/$1.png"; }
pixel() { convert "$work/$1.png" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$2+$3" info:; }
# Clicks at a point of the main window (window pixels).
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click "${3:-1}"; }
# The message box that is up now: titled "Tarvenel" (the help: "Tarvenel 帮助").
boxes='^Tarvenel( 帮助)?$'
message_box() { xdotool search --onlyvisible --name "$boxes" | head -n1; }
# Waits for a message box, keeps a picture of it and answers with KEY.
answer_box() {
    local name=$1 key=$2 box
    wait_for 10 message_box || fail "no message box for $name"
    box=$(message_box)
    sleep 0.3
    shot "box-$name"
    xdotool windowfocus --sync "$box" key "$key"
    wait_for 10 bash -c "! xdotool search --onlyvisible --name '$boxes' | grep -q ." ||
        fail "the $name box stayed"
}
same_area() { # same_area SHOT1 SHOT2 X Y W H: the window area looks alike in both
    [ "$(compare -metric AE -extract "$5x$6+$((wx + $3))+$((wy + $4))" "$work/$1.png" "$work/$2.png" null: 2>&1)" = 0 ]
}

# --- Start: size, shape, single instance

step "start"
start_program
[ "$WIDTH" = 376 ] && [ "$HEIGHT" = 216 ] || fail "window is ${WIDTH}x${HEIGHT}"
sleep 0.5
shot main-start
for corner in "0 0" "375 0" "0 215" "375 215"; do
    set -- $corner
    [ "$(pixel main-start $((wx + $1)) $((wy + $2)))" = "0,0,0" ] || fail "corner $corner is not cut"
done
for inside in "5 0" "0 5" "188 12" "200 100"; do
    set -- $inside
    [ "$(pixel main-start $((wx + $1)) $((wy + $2)))" != "0,0,0" ] || fail "$inside is cut away"
done

step "a second copy ends at once"
timeout 10 "$program" >>"$work/program.log" 2>&1 || fail "the second copy failed or hung"
[ "$(xdotool search --onlyvisible --name '^Tarvenel 1\.5\.0$' | wc -l)" = 1 ] || fail "two main windows"
kill -0 "$app" || fail "the first copy ended"

step "help box"
click 330 43 # Label2
answer_box help Return

step "options land in the settings file and the autostart entry"
click 184 146 # Check2: confirmation after arming, on -> off
answer_box option Return
ini=$XDG_CONFIG_HOME/Tarvenel/Tarvenel.ini
wait_for 5 grep -qx 'MsgOK=0' "$ini" || fail "MsgOK=0 not stored: $(cat "$ini" 2>/dev/null)"
grep -qx '\[SetLog\]' "$ini" || fail "no [SetLog] group"
click 24 146 # Check1: start with the session
answer_box startup Return
desktop=$XDG_CONFIG_HOME/autostart/tarvenel.desktop
grep -qxF "Exec=\"$program\"" "$desktop" || fail "autostart Exec wrong: $(cat "$desktop")"
grep -qx 'Hidden=false' "$desktop" || fail "autostart entry hidden"
sleep 0.3
shot main-options

step "the options survive a restart"
click 363 13 # Imclose
answer_box exit alt+y
wait_for 10 bash -c "! kill -0 $app" || fail "Yes did not end the program"
start_program
sleep 0.5
shot main-restarted
same_area main-options main-restarted 16 136 350 20 || fail "the option boxes differ after the restart"
grep -qx 'MsgOK=0' "$ini" || fail "MsgOK lost on restart"

step "arming too soon is refused"
click 285 115 # XPButton3: selectors to now
click 91 115  # XPButton1
answer_box too-soon Return

step "choosing entries updates the target label"
shot label-before
now=$(date +%s)
target=$((now + 37))
[ "$(date -d "@$target" +%F)" = "$(date -d "@$now" +%F)" ] || { sleep 40; now=$(date +%s); target=$((now + 37)); }
choose() { # choose COMBO_X INDEX: opens the list at the arrow and picks entry INDEX
    click "$1" 82
    sleep 0.3
    xdotool key Home
    [ "$2" -gt 0 ] && xdotool key --repeat "$2" --delay 5 Down
    xdotool key Return
    sleep 0.2
}
choose 242 "$((10#$(date -d "@$target" +%H)))" # Combo4
choose 298 "$((10#$(date -d "@$target" +%M)))" # Combo5
choose 354 "$((10#$(date -d "@$target" +%S)))" # Combo6
shot label-after
same_area label-before label-after 16 54 240 12 && fail "Label1 did not change"

step "arming hides the window to the tray"
click 91 115 # XPButton1; the confirmation is switched off
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Tarvenel 1\.5\.0\$' | grep -q ." ||
    fail "the window stayed after arming"
sleep 0.5
shot tray
# The tray sits in the bottom-right corner of the screen, empty until now.
[ "$(compare -metric AE -extract 120x28+904+740 "$work/main-start.png" "$work/tray.png" null: 2>&1)" != 0 ] ||
    fail "no icon in the tray"

step "the countdown comes on top at the target"
wait_for 60 xdotool search --onlyvisible --name '正在准备关机' || fail "no countdown dialog"
shown=$(date +%s)
dialog=$(xdotool search --onlyvisible --name '正在准备关机' | head -n1)
[ $((shown - target)) -le 3 ] || fail "the countdown came $((shown - target)) s late"
xprop -id "$dialog" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the countdown is not on top"
sleep 1
shot countdown

step "with no input the dry run records the power-off"
wait_for 30 grep -qx 'ForcePowerOff 13' "$TARVENEL_DRY_RUN" || fail "no power-off recorded"
took=$(($(date +%s) - shown))
[ "$took" -ge 19 ] && [ "$took" -le 25 ] || fail "the power-off came after $took s, not 22"
shot countdown-fired

step "Escape in the dialog brings the main window back"
xdotool windowfocus --sync "$dialog" key Escape
wait_for 10 xdotool search --onlyvisible --name '^Tarvenel 1\.5\.0$' || fail "the main window did not come back"
sleep 0.5
shot main-restored

if [ -n "$shots_out" ]; then
    mkdir -p "$shots_out"
    cp "$work"/*.png "$shots_out"/
fi
echo "PASS"

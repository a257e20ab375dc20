#!/usr/bin/env bash
# End-to-end test of the Linux program: starts the real binary on a private
# Xvfb display with a tray host, in dry-run mode with a throwaway HOME, and
# acts as a user would with xdotool. Every process it starts is ended by its
# own PID. Usage: program_e2e.sh PROGRAM [SCREENSHOT_DIR]
program=$(realpath "$1")
shots_out=${2:-}
source "$(dirname "$0")/session.sh"
# No confirmation after arming (the options have a test of their own).
mkdir -p "$XDG_CONFIG_HOME/Tarvenel"
printf '[SetLog]\nMsgOK=0\n' >"$XDG_CONFIG_HOME/Tarvenel/Tarvenel.ini"
start_session

# The message box that is up now: titled "Tarvenel" (the help: "Tarvenel 帮助").
boxes='^Tarvenel( 帮助)?$'
message_box() { xdotool search --onlyvisible --name "$boxes" | head -n1; }
# Waits for a message box, keeps a picture of it and answers with KEY.
answer_box() {
    local name=$1 key=$2 box
    wait_for 10 message_box || fail "no message box for $name"
    box=$(message_box)
    settled "box-$name"
    xdotool windowfocus --sync "$box" key "$key"
    wait_for 10 bash -c "! xdotool search --onlyvisible --name '$boxes' | grep -q ." ||
        fail "the $name box stayed"
}

# --- Start: size and shape

step "start"
start_program
window_box "$(main_window)"
[ "$BW" = 376 ] && [ "$BH" = 216 ] || fail "window is ${BW}x${BH}"
settled main-start
for corner in "0 0" "375 0" "0 215" "375 215"; do
    set -- $corner
    [ "$(pixel main-start $((wx + $1)) $((wy + $2)))" = "0,0,0" ] || fail "corner $corner is not cut"
done
for inside in "5 0" "0 5" "188 12" "200 100"; do
    set -- $inside
    [ "$(pixel main-start $((wx + $1)) $((wy + $2)))" != "0,0,0" ] || fail "$inside is cut away"
done

step "help box"
click 330 43 # Label2
answer_box help Return

step "arming too soon is refused"
click 285 115 # XPButton3: selectors to now
click 91 115  # XPButton1
answer_box too-soon Return

step "choosing entries updates the target label"
settled label-before
now=$(date +%s)
target=$((now + 37))
[ "$(date -d "@$target" +%F)" = "$(date -d "@$now" +%F)" ] || { sleep 40; now=$(date +%s); target=$((now + 37)); }
choose 215 "$((10#$(date -d "@$target" +%H)))" # Combo4
choose 271 "$((10#$(date -d "@$target" +%M)))" # Combo5
choose 327 "$((10#$(date -d "@$target" +%S)))" # Combo6
wait_for 10 eval 'shot label-after; ! same_area label-before label-after 16 54 240 12' ||
    fail "Label1 did not change"

step "arming hides the window to the tray"
click 91 115 # XPButton1; the confirmation is switched off
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Tarvenel 1\.5\.0\$' | grep -q ." ||
    fail "the window stayed after arming"
# The tray sits in the bottom-right corner of the screen, empty until now.
wait_for 10 eval 'shot tray; [ "$(compare -metric AE -extract 120x28+904+740 "$work/main-start.png" "$work/tray.png" null: 2>&1)" != 0 ]' ||
    fail "no icon in the tray"

step "the countdown comes on top at the target"
wait_for 60 xdotool search --onlyvisible --name '正在准备关机' || fail "no countdown dialog"
shown=$(date +%s)
dialog=$(xdotool search --onlyvisible --name '正在准备关机' | head -n1)
[ $((shown - target)) -le 3 ] || fail "the countdown came $((shown - target)) s late"
xprop -id "$dialog" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the countdown is not on top"
settled countdown

step "with no input the dry run records the power-off"
wait_for 30 grep -qx 'ForcePowerOff 13' "$TARVENEL_DRY_RUN" || fail "no power-off recorded"
took=$(($(date +%s) - shown))
[ "$took" -ge 19 ] && [ "$took" -le 25 ] || fail "the power-off came after $took s, not 22"
shot countdown-fired

step "fired, Enter, Space and keypad Enter ask for nothing more; Escape closes it"
xdotool windowfocus --sync "$dialog" key Return space KP_Enter Escape
# Escape closing the dialog shows the keys before it have been handled.
wait_for 10 main_window || fail "the main window did not come back"
xdotool search --onlyvisible --name '正在' >/dev/null && fail "the fired dialog stayed"
[ "$(cat "$TARVENEL_DRY_RUN")" = 'ForcePowerOff 13' ] || fail "more power requests: $(cat "$TARVENEL_DRY_RUN")"
settled main-restored

keep_shots
echo "PASS"

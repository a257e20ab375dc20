#!/usr/bin/env bash
# End-to-end test of the Linux program: starts the real binary on a private
# Xvfb display with a tray host, in dry-run mode with a throwaway HOME, and
# acts as a user would with xdotool. Every process it starts is ended by its
# own PID. Usage: program_e2e.sh PROGRAM [SCREENSHOT_DIR]
program=$(realpath "$1")
shots_out=${2:-}
source "$(dirname "$0")/session.sh"
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

# --- Start: size, shape, single instance

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
settled main-options

step "the options survive a restart; GNOME's own switch turns the entry off"
click 363 13 # Imclose
answer_box exit alt+y
wait_for 10 bash -c "! kill -0 $app" || fail "Yes did not end the program"
# As GNOME's start-up tools switch an entry off, with a line of the user's.
sed -i 's/^X-GNOME-Autostart-enabled=true$/X-GNOME-Autostart-enabled=false/' "$desktop"
echo 'X-Mine=kept' >>"$desktop"
start_program
settled main-restarted
same_area main-options main-restarted 170 136 200 20 || fail "the option boxes differ after the restart"
same_area main-start main-restarted 16 136 150 20 || fail "Check1 is ticked for an entry GNOME switched off"
grep -qx 'MsgOK=0' "$ini" || fail "MsgOK lost on restart"
click 24 146 # Check1 on again: an entry every desktop starts, the user's line kept
answer_box startup-again Return
for line in 'Hidden=false' 'X-GNOME-Autostart-enabled=true' 'X-Mine=kept' "Exec=\"$program\""; do
    grep -qxF "$line" "$desktop" || fail "no $line in the entry: $(cat "$desktop")"
done

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

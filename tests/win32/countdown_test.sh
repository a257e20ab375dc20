#!/usr/bin/env bash
# The road of a scheduled shutdown: armed at start 35 s ahead, hidden behind
# the notification icon, the countdown dialog at the target, then one of
#   dry-run    TARVENEL_DRY_RUN records "ForcePowerOff 13" 22 s after it;
#              Enter, Space and keypad Enter then ask for nothing more, and
#              Escape still closes the dialog (no control has the focus once
#              it fired) and brings the main window back;
#   real-exit  the real ExitWindowsEx ends this prefix's Wine session;
#   keyboard   Tab reaches the button below the visible area, whose Enter
#              runs the power-off at once.
BUILD_DIR=$1
MODE=$2
source "$(dirname "$0")/wine_env.sh"
trap cleanup EXIT
new_prefix "countdown-$MODE"
start_display
DRY_RUN=$E2E_DIR/countdown-$MODE.dry-run
rm -f "$DRY_RUN"
dialog='正在准备关机…'

# The seeding starts the prefix's Wine session, so the program starts fast.
target=$(seed_default_time 37)
if [ "$MODE" = dry-run ]; then
    # A screen of 120 dots per inch (125 %): the forms keep their own grid of
    # 15 twips a pixel, so the window is laid out and found by the icon as
    # at 96.
    limit 30 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f \
        >/dev/null 2>&1 || fail "could not set 120 dpi"
fi
if [ "$MODE" = real-exit ]; then
    start_program
else
    start_program "TARVENEL_DRY_RUN=$(windows_path_of "$DRY_RUN")"
fi
wait_for 60 has_window "$main_title" || fail "the main window did not appear"
lead=$((target - $(date +%s)))
[ $lead -ge 30 ] || fail "the program took too long to start (target only ${lead}s ahead)"
# Armed at once: the window goes behind the notification icon. Had the icon
# been refused, the window would say so and stay in the taskbar.
wait_for 20 no_visible_window "$main_title" || fail "the armed window stayed on screen"
# A box about the arming would have come before the window went.
no_visible_window Tarvenel || fail "a message appeared after arming"

if [ "$MODE" = dry-run ]; then
    # Without a desktop's tray, Wine shows the icons in a window of its own.
    # A left click on ours brings the window back; minimising an armed
    # window hides it behind the icon again.
    wait_for 10 has_visible_window 'Wine System Tray' || fail "no notification icon"
    window_geometry "$(visible_window_of 'Wine System Tray')"
    xdotool mousemove $((X + 12)) $((Y + 31)) click 1
    wait_for 10 has_visible_window "$main_title" || fail "the icon did not bring the window back"
    settle
    window_geometry "$(visible_window_of "$main_title")"
    [ "$X,$Y,$WIDTH,$HEIGHT" = "324,276,376,216" ] ||
        fail "at 120 dpi the window is ${WIDTH}x$HEIGHT at $X,$Y, not centred 376x216"
    click_at "$(visible_window_of "$main_title")" 342 13
    wait_for 10 no_visible_window "$main_title" || fail "minimising did not hide the armed window"
fi

wait_for $((lead + 10)) has_visible_window "$dialog" || fail "no countdown dialog at the target"
shown=$(date +%s)
[ $shown -ge $((target - 1)) ] || fail "the dialog came $((target - shown))s early"
[ $shown -le $((target + 3)) ] || fail "the dialog came $((shown - target))s late"
window_geometry "$(visible_window_of "$dialog")"
import -silent -window root "$E2E_DIR/countdown-$MODE.png"

case $MODE in
dry-run)
    wait_for 30 file_has "$DRY_RUN" 'ForcePowerOff 13' || fail "no power-off was recorded"
    took=$(($(date +%s) - shown))
    [ $took -ge 20 ] && [ $took -le 25 ] || fail "the power-off came ${took}s after the dialog, not 22"
    [ "$(tr -d '\r' <"$DRY_RUN")" = 'ForcePowerOff 13' ] || fail "unexpected record: $(cat "$DRY_RUN")"
    settle
    # Fired: the caption says so, and no control keeps the focus.
    box=$(visible_window_of '正在关机…')
    [ -n "$box" ] || fail "the fired dialog does not say 正在关机…"
    xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus "$box" || true
    # Enter, Space and keypad Enter act on nothing; Escape, handled after
    # them, closes the dialog.
    xdotool key Return space KP_Enter Escape
    wait_for 10 eval '! has_window 正在关机…' || fail "Escape did not close the fired dialog"
    wait_for 10 has_visible_window "$main_title" || fail "Escape did not bring the main window back"
    [ "$(tr -d '\r' <"$DRY_RUN")" = 'ForcePowerOff 13' ] || fail "more power requests: $(cat "$DRY_RUN")"
    ;;
keyboard)
    box=$(visible_window_of "$dialog")
    xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus "$box" || true
    xdotool key Tab Return
    wait_for 5 file_has "$DRY_RUN" 'ForcePowerOff 13' || fail "Tab and Enter ran no power-off"
    took=$(($(date +%s) - shown))
    [ $took -le 10 ] || fail "the power-off waited for the countdown (${took}s)"
    ;;
real-exit)
    # The session of this prefix ends: the program's process goes away.
    wait_for 40 eval '! kill -0 $PROGRAM_PID 2>/dev/null' || fail "the Wine session did not end"
    took=$(($(date +%s) - shown))
    [ $took -ge 20 ] || fail "the program ended ${took}s after the dialog, before the countdown ran out"
    ;;
esac
echo PASS

#!/usr/bin/env bash
# Every way to stop a running countdown (tests/e2e/cancel_checks.sh), driven
# in tarvenel.exe under Wine.
# Usage: cancel_test.sh BUILD_DIR WAY...
BUILD_DIR=$1
shift
source "$(dirname "$0")/wine_env.sh"
source "$(dirname "$0")/../e2e/cancel_checks.sh"
trap cleanup EXIT
name=cancel-$(IFS=-; echo "$*")
new_prefix "$name"
start_display
DRY_RUN=$E2E_DIR/$name.dry-run
rm -f "$DRY_RUN"
dialog_title='正在准备关机…'

seed_settings MsgOK=0
start_program "TARVENEL_DRY_RUN=$(windows_path_of "$DRY_RUN")"
wait_for 60 has_visible_window "$main_title" || fail "the main window did not appear"

main_shown() { has_visible_window "$main_title"; }
main_hidden() { no_visible_window "$main_title"; }
# choose COMBO_X STEPS: the first entry, then STEPS entries down, with the
# keyboard, as a user choosing from it.
choose() {
    main_click "$1" 82
    xdotool key --delay 2 --repeat 60 Up
    [ "$2" -eq 0 ] || xdotool key --delay 2 --repeat "$2" Down
}
dialog_window() { visible_window_of "$dialog_title"; }
dialog_shown() { has_visible_window "$dialog_title"; }
dialog_gone() { ! has_window "$dialog_title"; }
# Once the dialog is drawn, so that its program takes the keys.
focus_window() {
    settle
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus "$1" || true
}
check_dialog() { :; } # its frame is checked by the window tests
click_cancel() { click_at "$1" 222 82; } # Command1, below the dialog's caption
click_close_box() { window_geometry "$1" && xdotool mousemove $((X + WIDTH - 12)) $((Y + 12)) click 1; }
click_tray_icon() {
    window_geometry "$(visible_window_of 'Wine System Tray')"
    xdotool mousemove $((X + 12)) $((Y + 31)) click 1
}
# Grabbed by the caption strip, clear of the dialog.
DRAG_X=150 DRAG_Y=12
white_at() { [ "$(pixel_at $((wx + $1)) $((wy + $2)))" = ffffff ]; }
answer_yes() { answer_message y; }
program_running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }

cancel_ways "$@"
echo PASS

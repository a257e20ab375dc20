#!/usr/bin/env bash
# Every way to stop a running countdown (tests/e2e/cancel_checks.sh), driven
# in the real program under openbox with a tray. The dialog's window-manager
# hints are checked on the way.
# Usage: cancel_e2e.sh PROGRAM WAY...
program=$(realpath "$1")
shift
shots_out=
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/../cancel_checks.sh"
mkdir -p "$XDG_CONFIG_HOME/Tarvenel"
printf '[SetLog]\nMsgOK=0\n' >"$XDG_CONFIG_HOME/Tarvenel/Tarvenel.ini"
start_session openbox
start_program
DRY_RUN=$TARVENEL_DRY_RUN
dialog_title='^正在准备关机…$'

main_shown() { [ -n "$(main_window)" ]; }
main_hidden() { [ -z "$(main_window)" ]; }
main_where() { locate_main; }
main_at() { locate_settled; }
main_click() { click "$1" "$2"; }
dialog_window() { xdotool search --onlyvisible --name "$dialog_title" | head -n1; }
dialog_shown() { [ -n "$(dialog_window)" ]; }
dialog_gone() { [ -z "$(dialog_window)" ]; }
focus_window() { xdotool windowactivate --sync "$1"; }
click_cancel() { window_box "$1" && xdotool mousemove $((BX + 220)) $((BY + 56)) click 1; }
click_close_box() { window_box "$1" && xdotool mousemove $((BX + BW - 10)) $((BY - 10)) click 1; }
# Grabbed by the bottom bar: the dialog covers the caption.
DRAG_X=60 DRAG_Y=205
white_at() { shot white && [ "$(pixel white $((wx + $1)) $((wy + $2)))" = 255,255,255 ]; }
answer_yes() {
    wait_for 10 visible_box || fail "no exit question"
    xdotool windowactivate --sync "$(message_box)" key alt+y
}
program_running() { kill -0 "$app" 2>/dev/null; }

# The dialog asks the window manager for no taskbar entry and no minimise
# or maximise box (openbox still draws a minimise box on every dialog: it
# lets no hint remove it).
check_dialog() {
    local hints
    xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the dialog has a taskbar entry"
    xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the dialog is not on top"
    xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE && fail "the dialog can be maximised"
    hints=($(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g'))
    # flags, functions, decorations: minimise 0x8 / 0x20, maximise 0x10 / 0x40.
    [ $((hints[1] & 0x18)) = 0 ] && [ $((hints[2] & 0x60)) = 0 ] ||
        fail "the dialog asks for minimise or maximise: ${hints[*]}"
    [ $((hints[1] & 0x20)) != 0 ] || fail "the dialog has no close function: ${hints[*]}"
}

cancel_ways "$@"
echo PASS

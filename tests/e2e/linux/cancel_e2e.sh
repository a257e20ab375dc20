#!/usr/bin/env bash
# Every way to stop a running countdown, one after another in one run of the
# real program under openbox with a tray: arm ~33 s ahead, let the dialog
# come, stop it one way, check that the main window is back and idle with its
# clock moving, and arm again for the next way. No power-off may be
# recorded: the next dialog comes at least 30 s after each cancel, and after
# the last one the test waits out 26 s. The dialog's window-manager hints are
# checked on the way.
# Usage: cancel_e2e.sh PROGRAM WAY...  with WAY one of
#   enter, space, click   on the focused cancel button
#   escape    Escape while counting, with the focus moved away first
#   closebox  the dialog's close box, drawn by the window manager
#   main      取 消 in the main window, restored from the tray icon and
#             dragged out from under the dialog (hidden and brought back by
#             the icon once more on the way: it stays where it was dragged)
program=$(realpath "$1")
shift
shots_out=
source "$(dirname "$0")/session.sh"
mkdir -p "$XDG_CONFIG_HOME/Tarvenel"
printf '[SetLog]\nMsgOK=0\n' >"$XDG_CONFIG_HOME/Tarvenel/Tarvenel.ini"
start_session openbox
start_program
dialog_title='^正在准备关机…$'
dialog_window() { xdotool search --onlyvisible --name "$dialog_title" | head -n1; }

nothing_recorded() {
    [ ! -s "$TARVENEL_DRY_RUN" ] || fail "$1: a power action was recorded: $(cat "$TARVENEL_DRY_RUN")"
}

# arm SECONDS: sets the time selectors that far ahead and presses 确 定;
# the window goes behind the tray icon.
arm() {
    local target
    target=$(($(date +%s) + $1))
    # The date selectors keep today: a target past midnight waits a day.
    [ "$(date -d "@$target" +%F)" = "$(date +%F)" ] || fail "too close to midnight to arm"
    locate_main
    choose 215 "$((10#$(date -d "@$target" +%H)))"
    choose 271 "$((10#$(date -d "@$target" +%M)))"
    choose 327 "$((10#$(date -d "@$target" +%S)))"
    click 91 115
    wait_for 10 bash -c "! xdotool search --onlyvisible --name '$main_title' | grep -q ." ||
        fail "arming did not hide the window"
}

# Back and idle: the main window is shown, the armed tick is gone and the
# clock line moves again.
expect_idle() {
    wait_for 10 main_window || fail "$1: the main window did not come back"
    locate_settled
    wait_for 10 eval 'shot idle-1; [ "$(pixel idle-1 $((wx + 270)) $((wy + 50)))" = 255,255,255 ]' ||
        fail "$1: the armed tick is still shown"
    wait_for 10 eval 'shot idle-2; ! same_area idle-1 idle-2 16 37 240 12' ||
        fail "$1: the clock line does not move"
}

# The dialog asks the window manager for no taskbar entry and no minimise
# or maximise box (openbox still draws a minimise box on every dialog: it
# lets no hint remove it).
check_hints() {
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

for way in "$@"; do
    step "$way"
    arm 33
    wait_for 45 dialog_window || fail "$way: no countdown dialog at the target"
    nothing_recorded "$way (the previous cancel)"
    box=$(dialog_window)
    check_hints "$box"
    xdotool windowactivate --sync "$box"
    case $way in
    enter) xdotool key Return ;;
    space) xdotool key space ;;
    click)
        window_box "$box"
        xdotool mousemove $((BX + 220)) $((BY + 56)) click 1 # Command1
        ;;
    escape) xdotool key Tab Escape ;;
    closebox)
        window_box "$box"
        xdotool mousemove $((BX + BW - 10)) $((BY - 10)) click 1
        ;;
    main)
        # The icon brings the window back under the topmost dialog, which
        # covers its caption; the user drags it away by the bottom bar and
        # cancels there.
        click_tray_icon
        wait_for 10 main_window || fail "main: the icon did not bring the window back"
        locate_settled
        top=$wy
        xdotool mousemove $((wx + 60)) $((wy + 205)) mousedown 1
        for step in 1 2 3 4 5; do
            xdotool mousemove $((wx + 60)) $((wy + 205 + step * 48))
            sleep 0.1 # a hand's pace
        done
        xdotool mouseup 1
        # The window ends where the pointer let go of it.
        wait_for 10 eval 'locate_main; [ "$wy" = $((top + 240)) ]' ||
            fail "main: the window was dragged from $top to $wy, not to $((top + 240))"
        dragged=$wy
        # Hidden once more to the tray and brought back: where it was left.
        click 342 13 # Immin
        wait_for 10 bash -c "! xdotool search --onlyvisible --name '$main_title' | grep -q ." ||
            fail "main: minimising did not hide it"
        click_tray_icon
        wait_for 10 main_window || fail "main: the icon did not bring it back"
        locate_settled
        [ "$wy" = "$dragged" ] || fail "main: the icon put the window at $wy, not where it was ($dragged)"
        click 188 115 # XPButton2
        ;;
    quit)
        # 是 in the exit question, with the window brought back beside the
        # dialog, ends the program while it counts: nothing is asked of the
        # system, then or later.
        click_tray_icon
        wait_for 10 main_window || fail "quit: the icon did not bring the window back"
        locate_settled
        click 363 13 # Imclose, clear of the dialog
        wait_for 10 visible_box || fail "quit: no exit question"
        xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Tarvenel$' | head -n1)" key alt+y
        wait_for 10 eval '! kill -0 $app 2>/dev/null' || fail "quit: 是 did not end the program"
        cancelled=$(date +%s)
        break
        ;;
    *) fail "unknown way $way" ;;
    esac
    wait_for 10 bash -c "! xdotool search --onlyvisible --name '正在' | grep -q ." ||
        fail "$way: the dialog did not close"
    expect_idle "$way"
    if [ "$way" = main ]; then
        [ "$wy" = "$dragged" ] || fail "main: the window jumped from $dragged to $wy"
    fi
    cancelled=$(date +%s)
done

# Nothing comes late either.
sleep $((cancelled + 26 - $(date +%s)))
nothing_recorded "the last cancel"
echo PASS

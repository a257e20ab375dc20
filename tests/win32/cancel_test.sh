#!/usr/bin/env bash
# Every way to stop a running countdown, one after another in one program
# run: arm ~33 s ahead, let the dialog come, stop it one way, check that the
# main window is back and idle with its clock moving, and arm again for the
# next way. No power-off may be recorded: the next dialog comes at least 30 s
# after each cancel, and after the last one the test waits out 26 s.
# Usage: cancel_test.sh BUILD_DIR WAY...  with WAY one of
#   enter     Enter on the focused cancel button
#   space     Space on it
#   click     a mouse click on it
#   escape    Escape while counting (with the focus moved to the off-screen
#             button first: Escape works from any control)
#   closebox  the dialog's close box
#   main      取 消 in the main window, restored from the icon and dragged
#             out from under the dialog (hidden and brought back by the icon
#             once more on the way: it stays where it was dragged)
#   quit      是 in the exit question of the window brought back by the
#             icon: the program ends, the countdown with it (the last way)
BUILD_DIR=$1
shift
source "$(dirname "$0")/wine_env.sh"
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
settle

nothing_recorded() {
    [ ! -s "$DRY_RUN" ] || fail "$1: a power action was recorded: $(cat "$DRY_RUN")"
}

# choose COMBO_X STEPS: picks entry STEPS of a selector with the keyboard
# (the first entry, then STEPS entries down), as a user choosing from it.
choose() {
    local main
    main=$(visible_window_of "$main_title")
    click_at "$main" "$1" 82
    xdotool key --delay 2 --repeat 60 Up
    [ "$2" -eq 0 ] || xdotool key --delay 2 --repeat "$2" Down
}

# arm SECONDS: sets the time selectors that far ahead and presses 确 定;
# the window goes behind the notification icon.
arm() {
    local target main
    target=$(($(date +%s) + $1))
    # The date selectors keep today: a target past midnight waits a day.
    [ "$(date -d "@$target" +%F)" = "$(date +%F)" ] || fail "too close to midnight to arm"
    choose 215 "$((10#$(date -d "@$target" +%H)))"
    choose 271 "$((10#$(date -d "@$target" +%M)))"
    choose 327 "$((10#$(date -d "@$target" +%S)))"
    main=$(visible_window_of "$main_title")
    click_at "$main" 91 115
    wait_for 10 no_visible_window "$main_title" || fail "arming did not hide the window"
}

# The clock line's area of the main window now, as a picture file.
clock_shot() {
    window_geometry "$(visible_window_of "$main_title")"
    import -silent -window root -crop "240x12+$((X + 16))+$((Y + 37))" "$E2E_DIR/$name.$1.png"
}

# Back and idle: the main window is shown, the armed tick is gone and the
# clock line moves again.
expect_idle() {
    wait_for 10 has_visible_window "$main_title" || fail "$1: the main window did not come back"
    has_window "$dialog_title" && fail "$1: the dialog stayed"
    settle
    window_geometry "$(visible_window_of "$main_title")"
    [ "$(pixel_at $((X + 270)) $((Y + 50)))" = ffffff ] || fail "$1: the armed tick is still shown"
    clock_shot before
    wait_for 10 eval 'clock_shot after; [ "$(compare -metric AE "$E2E_DIR/$name.before.png" "$E2E_DIR/$name.after.png" null: 2>&1)" != 0 ]' ||
        fail "$1: the clock line does not move"
}

for way in "$@"; do
    echo "== $way"
    arm 33
    wait_for 45 has_visible_window "$dialog_title" || fail "$way: no countdown dialog at the target"
    nothing_recorded "$way (the previous cancel)"
    settle
    box=$(visible_window_of "$dialog_title")
    xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus "$box" || true
    case $way in
    enter) xdotool key Return ;;
    space) xdotool key space ;;
    click) click_at "$box" 222 82 ;; # Command1, below the dialog's caption
    escape) xdotool key Tab Escape ;;
    closebox)
        window_geometry "$box"
        xdotool mousemove $((X + WIDTH - 12)) $((Y + 12)) click 1
        ;;
    main)
        # The icon brings the window back under the topmost dialog; the
        # user drags it away by its caption strip and cancels there.
        window_geometry "$(visible_window_of 'Wine System Tray')"
        xdotool mousemove $((X + 12)) $((Y + 31)) click 1
        wait_for 10 has_visible_window "$main_title" || fail "main: the icon did not bring the window back"
        settle
        window_geometry "$(visible_window_of "$main_title")"
        top=$Y
        xdotool mousemove $((X + 150)) $((Y + 12)) mousedown 1
        for step in 1 2 3 4 5; do
            xdotool mousemove $((X + 150)) $((Y + 12 + step * 48))
            sleep 0.1 # a hand's pace
        done
        xdotool mouseup 1
        # The window ends where the pointer let go of it.
        wait_for 10 eval 'window_geometry "$(visible_window_of "$main_title")"; [ "$Y" = $((top + 240)) ]' ||
            fail "main: the window was dragged from $top to $Y, not to $((top + 240))"
        dragged=$Y
        # Hidden once more to the icon and brought back: where it was left.
        xdotool mousemove $((X + 342)) $((Y + 13)) click 1
        wait_for 10 no_visible_window "$main_title" || fail "main: minimising did not hide it"
        window_geometry "$(visible_window_of 'Wine System Tray')"
        xdotool mousemove $((X + 12)) $((Y + 31)) click 1
        wait_for 10 has_visible_window "$main_title" || fail "main: the icon did not bring it back"
        settle
        window_geometry "$(visible_window_of "$main_title")"
        [ "$Y" = "$dragged" ] || fail "main: the icon put the window at $Y, not where it was ($dragged)"
        xdotool mousemove $((X + 188)) $((Y + 115)) click 1
        ;;
    quit)
        # 是 in the exit question, with the window brought back beside the
        # dialog, ends the program while it counts: nothing is asked of the
        # system, then or later.
        window_geometry "$(visible_window_of 'Wine System Tray')"
        xdotool mousemove $((X + 12)) $((Y + 31)) click 1
        wait_for 10 has_visible_window "$main_title" || fail "quit: the icon did not bring the window back"
        settle
        click_at "$(visible_window_of "$main_title")" 363 13 # Imclose, clear of the dialog
        answer_message y
        wait_for 20 eval '! kill -0 $PROGRAM_PID 2>/dev/null' || fail "quit: 是 did not end the program"
        cancelled=$(date +%s)
        break
        ;;
    *) fail "unknown way $way" ;;
    esac
    wait_for 10 eval '! has_window "$dialog_title"' || fail "$way: the dialog did not close"
    expect_idle "$way"
    if [ "$way" = main ]; then
        window_geometry "$(visible_window_of "$main_title")"
        [ "$Y" = "$dragged" ] || fail "main: the window jumped from $dragged to $Y"
    fi
    cancelled=$(date +%s)
done

# Nothing comes late either.
sleep $((cancelled + 26 - $(date +%s)))
nothing_recorded "the last cancel"
echo PASS

# Every way to stop a running countdown, one after another in one run of
# the program, written once for both front ends: arm ~33 s ahead, let the
# dialog come, stop it one way, check that the main window is back and idle
# with its clock moving, and arm again for the next way. No power-off may be
# recorded: the next dialog comes at least 30 s after each cancel, and after
# the last one the checks wait out 26 s.
# The ways:
#   enter, space, click   on the focused cancel button
#   escape    Escape while counting, with the focus moved away first
#   closebox  the dialog's close box
#   main      取 消 in the main window, restored from the icon and dragged
#             out from under the dialog (hidden and brought back by the
#             icon once more on the way: it stays where it was dragged)
#   quit      是 in the exit question of the window brought back by the
#             icon: the program ends, the countdown with it (the last way)
#
# Source it after a front end's driver, which gives:
#   fail MESSAGE, wait_for SECONDS COMMAND..., step NAME
#   DRY_RUN                  the file the program records power actions in
#   main_shown, main_hidden  the main window is on the screen, or is not
#   main_where               the main window's top-left corner as wx, wy
#   main_at                  the same once the window is drawn and still
#   main_click X Y           a left click at a point of the main window
#   choose X STEPS           picks entry STEPS of the selector at X
#   dialog_shown, dialog_gone, dialog_window (prints its id)
#   focus_window ID, check_dialog ID (what the front end checks of its frame)
#   click_cancel ID, click_close_box ID, click_tray_icon
#   DRAG_X, DRAG_Y           where on the main window a user grabs it
#   white_at X Y             the main window is white at that point
#   area_shot NAME X Y W H   a picture of part of the main window
#   pixels_changed NAME1 NAME2   how many pixels differ between two pictures
#   answer_yes               是 in the program's message box
#   program_running

nothing_recorded() {
    [ ! -s "$DRY_RUN" ] || fail "$1: a power action was recorded: $(cat "$DRY_RUN")"
}

# arm SECONDS: sets the time selectors that far ahead and presses 确 定;
# the window goes behind the notification icon.
arm() {
    local target
    # Found first: the time it takes to settle is not taken from the margin.
    main_at
    target=$(($(date +%s) + $1))
    # The date selectors keep today: a target past midnight waits a day.
    [ "$(date -d "@$target" +%F)" = "$(date +%F)" ] || fail "too close to midnight to arm"
    choose 215 "$((10#$(date -d "@$target" +%H)))"
    choose 271 "$((10#$(date -d "@$target" +%M)))"
    choose 327 "$((10#$(date -d "@$target" +%S)))"
    main_click 91 115
    wait_for 10 main_hidden || fail "arming did not hide the window"
}

# Back and idle: the main window is shown, the armed tick is gone and the
# clock line moves again.
expect_idle() {
    wait_for 10 main_shown || fail "$1: the main window did not come back"
    main_at
    wait_for 10 white_at 270 50 || fail "$1: the armed tick is still shown"
    area_shot clock-1 16 37 240 12
    # A count, not a failed comparison, says that it moved.
    wait_for 10 eval 'area_shot clock-2 16 37 240 12; [ "$(pixels_changed clock-1 clock-2)" -gt 0 ] 2>/dev/null' ||
        fail "$1: the clock line does not move"
}

# The icon brings the window back under the topmost dialog, which may cover
# it; the user drags it away and cancels there. Leaves where it was dragged
# to in `dragged`.
cancel_in_main_window() {
    local top
    click_tray_icon
    wait_for 10 main_shown || fail "main: the icon did not bring the window back"
    main_at
    top=$wy
    xdotool mousemove $((wx + DRAG_X)) $((wy + DRAG_Y)) mousedown 1
    for step in 1 2 3 4 5; do
        xdotool mousemove $((wx + DRAG_X)) $((wy + DRAG_Y + step * 48))
        sleep 0.1 # a hand's pace
    done
    xdotool mouseup 1
    # The window ends where the pointer let go of it.
    wait_for 10 eval 'main_where; [ "$wy" = $((top + 240)) ]' ||
        fail "main: the window was dragged from $top to $wy, not to $((top + 240))"
    dragged=$wy
    # Hidden once more to the icon and brought back: where it was left.
    main_click 342 13 # Immin
    wait_for 10 main_hidden || fail "main: minimising did not hide it"
    click_tray_icon
    wait_for 10 main_shown || fail "main: the icon did not bring it back"
    main_at
    [ "$wy" = "$dragged" ] || fail "main: the icon put the window at $wy, not where it was ($dragged)"
    main_click 188 115 # XPButton2
}

# 是 in the exit question, with the window brought back beside the dialog,
# ends the program while it counts: nothing is asked of the system, then or
# later.
quit_while_counting() {
    click_tray_icon
    wait_for 10 main_shown || fail "quit: the icon did not bring the window back"
    main_at
    main_click 363 13 # Imclose, clear of the dialog
    answer_yes
    wait_for 20 eval '! program_running' || fail "quit: 是 did not end the program"
}

# cancel_ways WAY...: each way in turn, then the wait for a late power-off.
cancel_ways() {
    local way box cancelled dragged
    for way in "$@"; do
        step "$way"
        arm 33
        wait_for 45 dialog_shown || fail "$way: no countdown dialog at the target"
        nothing_recorded "$way (the previous cancel)"
        box=$(dialog_window)
        check_dialog "$box"
        focus_window "$box"
        case $way in
        enter) xdotool key Return ;;
        space) xdotool key space ;;
        click) click_cancel "$box" ;;
        escape) xdotool key Tab Escape ;;
        closebox) click_close_box "$box" ;;
        main) cancel_in_main_window ;;
        quit)
            quit_while_counting
            cancelled=$(date +%s)
            break
            ;;
        *) fail "unknown way $way" ;;
        esac
        wait_for 10 dialog_gone || fail "$way: the dialog did not close"
        expect_idle "$way"
        [ "$way" != main ] || [ "$wy" = "$dragged" ] || fail "main: the window jumped from $dragged to $wy"
        cancelled=$(date +%s)
    done
    # Nothing comes late either.
    sleep $((cancelled + 26 - $(date +%s)))
    nothing_recorded "the last cancel"
}

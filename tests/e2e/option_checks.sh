# The options as a user switches them, written once for both front ends:
# each check box click is stored at once (a right click stores the box as it
# was), the start-up entry starts the program, the options and the entry are
# found again by the next start, a second copy ends at once, and a click
# switches the entry off. The program has been started with MsgOK=0 stored.
#
# Source it after a front end's driver, which gives:
#   fail MESSAGE, wait_for SECONDS COMMAND..., step NAME
#   main_at                  the main window's top-left corner as wx, wy, once
#                            it is drawn and still
#   main_click X Y [BUTTON]  a click at a point of the main window (3: right)
#   answer_ok                Return in the program's message box
#   stored NAME              prints the stored option (MsgOK, AutoOK)
#   entry_holds_program      the start-up entry starts this program
#   quit_and_start           是 in the exit question, then the program again
#   saved_entry_whole        the entry as the system keeps it once the program
#                            has ended (the front end's own form checks)
#   second_copy_ends         a second copy ended by itself and showed nothing
#   entry_off                the entry starts nothing (may end the program:
#                            the last check)
#   area_shot NAME X Y W H, pixels_changed NAME1 NAME2   as in cancel_checks.sh

# click_option X Y [BUTTON]: a click on a check box, and its message answered.
click_option() {
    main_click "$@"
    answer_ok
}

# stored_is NAME VALUE
stored_is() { [ "$(stored "$1")" = "$2" ]; }

# The inside of each box, where its tick shows: Check1, Check2, Check3. (The
# boxes' frames are left out: where two controls overlap by a pixel, the one
# painted last shows.)
boxes=("18 141" "178 141" "18 157")
# box_shots NAME: a picture of each box.
box_shots() {
    local i
    for i in 0 1 2; do
        # shellcheck disable=SC2086
        area_shot "$1-box$i" ${boxes[$i]} 9 9
    done
}
# boxes_alike NAME1 NAME2 [INDEX...]: the boxes (all three unless named)
# look the same in both.
boxes_alike() {
    local first=$1 second=$2 i
    shift 2
    [ $# -gt 0 ] || set -- 0 1 2
    for i in "$@"; do
        [ "$(pixels_changed "$first-box$i" "$second-box$i")" = 0 ] || return 1
    done
}

option_checks() {
    step "a stored option is read at start; a click stores its box at once"
    main_at
    box_shots start
    stored_is MsgOK 0 || fail "MsgOK is $(stored MsgOK), not the 0 it started with"
    click_option 184 146 # Check2: the confirmation after arming, off -> on
    wait_for 5 stored_is MsgOK 1 || fail "MsgOK was not stored as 1"
    click_option 24 162 # Check3: arming at start
    wait_for 5 stored_is AutoOK 1 || fail "AutoOK was not stored as 1"

    step "a right click stores the box as it was"
    click_option 24 162 3
    stored_is AutoOK 1 || fail "a right click changed AutoOK"
    click_option 24 162
    wait_for 5 stored_is AutoOK 0 || fail "AutoOK was not stored as 0"

    step "Check1 makes a start-up entry that starts the program"
    click_option 24 146
    wait_for 5 entry_holds_program || fail "no start-up entry for the program"
    box_shots set
    ! boxes_alike start set 0 && ! boxes_alike start set 1 && boxes_alike start set 2 ||
        fail "the boxes do not show Check1 and Check2 ticked, Check3 clear"

    step "the options and the entry are found again by the next start"
    quit_and_start
    saved_entry_whole
    main_at
    box_shots again
    boxes_alike set again || fail "the option boxes differ after the restart"
    stored_is MsgOK 1 || fail "MsgOK was lost on the restart"

    step "a second copy ends at once"
    second_copy_ends || fail "the second copy did not end by itself, or showed a window"

    step "a click switches the start-up entry off"
    click_option 24 146
    entry_off || fail "the start-up entry still starts the program"
}

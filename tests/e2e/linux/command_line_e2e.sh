#!/usr/bin/env bash
# End-to-end test of the command line on Linux: a second process arms,
# asks, refuses and cancels the running copy over its socket, and a copy is
# started by an arming when none runs. Usage: command_line_e2e.sh PROGRAM [SCREENSHOT_DIR]
program=$(realpath "$1")
shots_out=${2:-}
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/../command_line_checks.sh"
cli_program=("$program")
cli_out=$work
start_session

window_gone() { ! xdotool search --onlyvisible --name "$1" | grep -q .; }
countdown_up() { wait_for 40 xdotool search --onlyvisible --name '^正在准备关机…$'; }
socket=$XDG_RUNTIME_DIR/tarvenel.socket

step "no running copy"
check_without_copy
! main_window >/dev/null || fail "a command-line run opened a window"

step "a second process arms the running copy, which hides to the tray"
start_program
# Qt's own options still start the window: here a second copy, which ends
# silently.
timeout 10 "$program" -platform xcb >"$work/qt-option" 2>&1 || fail "-platform xcb failed"
[ ! -s "$work/qt-option" ] || fail "-platform xcb said: $(cat "$work/qt-option")"
mode=$(stat -c %a "$socket")
[ "${mode:1}" = 00 ] || fail "the socket is open to others: $mode"
check_arming
wait_for 5 window_gone "$main_title" || fail "the window did not go to the tray"
! visible_box || fail "a message box came up"

step "cancel"
check_cancel

step "too soon is refused and changes nothing"
click_tray_icon
wait_for 5 main_window || fail "the window did not come back"
locate_settled
settled before-refusal
check_too_soon
! visible_box || fail "a message box came up"

step "junk on the socket changes nothing"
[ "$(stat -c %a "$socket")" = 600 ] || fail "the socket is open to others: $(stat -c %a "$socket")"
printf 'TARVENEL/1\n--in\n40\n\n' | timeout 10 socat - "UNIX-CONNECT:$socket" >"$work/junk" ||
    fail "no answer to a malformed request"
grep -q '^e bad request$' "$work/junk" || fail "malformed request answered: $(cat "$work/junk")"
# Past the limit the copy answers at once, without waiting for an end.
head -c 600 /dev/zero | tr '\0' x | timeout 3 socat -t 10 - "UNIX-CONNECT:$socket" >"$work/junk" ||
    fail "no answer to an oversized request"
grep -q '^e bad request$' "$work/junk" || fail "oversized request answered: $(cat "$work/junk")"
expect_status idle
settled after-refusal
same_area before-refusal after-refusal 0 60 376 120 || fail "the window changed"

step "cancel stops a running countdown"
check_countdown_cancel countdown_up
wait_for 5 window_gone '^正在准备关机…$' || fail "the countdown stayed"
wait_for 5 main_window || fail "the window did not come back after the countdown"
[ ! -e "$TARVENEL_DRY_RUN" ] || fail "a power action was recorded: $(cat "$TARVENEL_DRY_RUN")"

step "the copy ends; nobody answers"
kill "$app"
wait "$app" 2>/dev/null || true
cli 3 --status

step "an arming starts a copy when none runs"
check_arming_starts_a_copy
started=$(xdotool search --name "$main_title" getwindowpid 2>/dev/null | head -n1)
[ -n "$started" ] && pids+=("$started") || fail "no started copy"
cli 0 --cancel
[ ! -e "$TARVENEL_DRY_RUN" ] || fail "a power action was recorded: $(cat "$TARVENEL_DRY_RUN")"
keep_shots
echo "PASS"

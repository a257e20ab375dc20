#!/usr/bin/env bash
# The command line of tarvenel.exe under Wine: a second process arms, asks,
# refuses and cancels the running copy over WM_COPYDATA, and a copy is
# started by an arming when none runs. The output is read from the handles
# Wine gives the program (a file, and a pipe for the started copy's case).
BUILD_DIR=$1
source "$(dirname "$0")/wine_env.sh"
source "$(dirname "$0")/../e2e/command_line_checks.sh"
trap cleanup EXIT
new_prefix command-line
start_display
DRY_RUN=$E2E_DIR/command-line.dry-run
rm -f "$DRY_RUN"
export TARVENEL_DRY_RUN=$(windows_path_of "$DRY_RUN")
cli_program=(wine "$EXE")
cli_out=$(mktemp -d "$E2E_DIR/command-line.XXXXXX")
main=$main_title
dialog='正在准备关机…'
countdown_up() { wait_for 40 has_visible_window "$dialog"; }

echo "== no running copy"
limit 60 wineboot >/dev/null 2>&1 || true # the prefix's session, so the runs below are quick
check_without_copy
! has_window "$main" || fail "a command-line run opened a window"

echo "== a second process arms the running copy, which hides to the notification area"
start_program
wait_for 60 has_visible_window "$main" || fail "the main window did not appear"
check_arming
wait_for 10 no_visible_window "$main" || fail "the window did not go to the notification area"
no_visible_window Tarvenel || fail "a message box came up"

echo "== cancel"
check_cancel

echo "== too soon is refused and changes nothing"
check_too_soon
no_visible_window Tarvenel || fail "a message box came up"

echo "== cancel stops a running countdown"
check_countdown_cancel countdown_up
wait_for 10 no_visible_window "$dialog" || fail "the countdown stayed"
wait_for 10 has_visible_window "$main" || fail "the window did not come back after the countdown"
import -silent -window root "$E2E_DIR/command-line-restored.png"
[ ! -e "$DRY_RUN" ] || fail "a power action was recorded: $(cat "$DRY_RUN")"

echo "== the copy ends; nobody answers"
kill "$PROGRAM_PID"
wait_for 20 eval '! has_window "$main"' || fail "the copy did not end"
cli 3 --status

echo "== an arming starts a copy when none runs"
check_arming_starts_a_copy
cli 0 --cancel
[ ! -e "$DRY_RUN" ] || fail "a power action was recorded: $(cat "$DRY_RUN")"
rm -rf "$cli_out"
echo PASS

#!/usr/bin/env bash
# End-to-end test of the command line on Linux: a second process arms,
# asks, refuses and cancels the running copy over its socket, and a copy is
# started by an arming when none runs. Usage: command_line_e2e.sh PROGRAM [SCREENSHOT_DIR]
program=$(realpath "$1")
shots_out=${2:-}
source "$(dirname "$0")/session.sh"
start_session

# cli EXPECTED_CODE ARGS...: runs the command line with a time limit and
# keeps its output in $out and $err.
cli() {
    local expected=$1 code=0
    shift
    timeout 60 "$program" "$@" >"$work/out" 2>"$work/err" || code=$?
    out=$(cat "$work/out") err=$(cat "$work/err")
    [ "$code" = "$expected" ] || fail "tarvenel $* ended with $code, not $expected: $out $err"
}
visible_box() { # a message box of the program (the tray icon is smaller)
    local w
    for w in $(xdotool search --onlyvisible --name '^Tarvenel$' 2>/dev/null); do
        window_box "$w"
        [ "$BW" -gt 64 ] && return 0
    done
    return 1
}
socket=$XDG_RUNTIME_DIR/tarvenel.socket
too_soon='设定的关机时间必须在当前时间30秒以后！'

step "no running copy"
for ask in --status --cancel; do
    cli 3 $ask
    [ -z "$out" ] && grep -q '^no running copy' <<<"$err" || fail "$ask said: $out / $err"
done
cli 2 --in 5d
grep -q "^usage: '5d'" <<<"$err" || fail "bad usage said: $err"
cli 2 --at 24:00
cli 0 --version
[ "$out" = "Tarvenel 1.5.0" ] || fail "version: $out"
cli 0 --help
grep -q -- '--cancel' <<<"$out" || fail "help: $out"
! main_window >/dev/null || fail "a command-line run opened a window"

step "a second process arms the running copy"
start_program
cli 0 --status
[ "$out" = idle ] || fail "status at start: $out"
mode=$(stat -c %a "$socket")
[ "${mode:1}" = 00 ] || fail "the socket is open to others: $mode"
target=$(date -d '+40 sec' '+%F %T')
cli 0 --at "$target"
[ "$out" = "armed $target" ] || fail "arming said: $out / $err"
wait_for 5 bash -c "! xdotool search --onlyvisible --name '$main_title' | grep -q ." ||
    fail "the window did not go to the tray"
cli 0 --status
[ "$out" = "armed $target" ] || fail "status when armed: $out"
cli 1 --in 2h
grep -q '^refused: already armed' <<<"$err" || fail "a second arming said: $err"
! visible_box || fail "a message box came up"

step "cancel"
cli 0 --cancel
[ "$out" = idle ] || fail "cancel said: $out"
cli 0 --status
[ "$out" = idle ] || fail "status after cancel: $out"

step "too soon is refused and changes nothing"
click_tray_icon
wait_for 5 main_window || fail "the window did not come back"
locate_main
sleep 0.5
shot before-refusal
cli 1 --at "$(date -d '+10 sec' '+%T')"
[ -z "$out" ] && [ "$(head -n1 <<<"$err")" = "$too_soon" ] &&
    grep -q '^refused: .* is less than 30 seconds ahead$' <<<"$err" || fail "too soon said: $out / $err"
cli 0 --status
[ "$out" = idle ] || fail "status after a refusal: $out"
! visible_box || fail "a message box came up"
main_window >/dev/null || fail "the window went away"

step "junk on the socket changes nothing"
printf 'TARVENEL/1\n--in\n40\n\n' | timeout 10 socat - "UNIX-CONNECT:$socket" >"$work/junk" ||
    fail "no answer to a malformed request"
grep -q '^e bad request$' "$work/junk" || fail "malformed request answered: $(cat "$work/junk")"
# Past the limit the copy answers at once, without waiting for an end.
head -c 600 /dev/zero | tr '\0' x | timeout 3 socat -t 10 - "UNIX-CONNECT:$socket" >"$work/junk" ||
    fail "no answer to an oversized request"
grep -q '^e bad request$' "$work/junk" || fail "oversized request answered: $(cat "$work/junk")"
cli 0 --status
[ "$out" = idle ] || fail "status after junk: $out"
sleep 0.5
shot after-refusal
same_area before-refusal after-refusal 0 60 376 120 || fail "the window changed"

step "cancel stops a running countdown"
cli 0 --in 30s
wait_for 40 xdotool search --onlyvisible --name '^正在准备关机…$' || fail "no countdown"
cli 0 --status
grep -qE '^counting ([0-9]|10)$' <<<"$out" || fail "status while counting: $out"
cli 0 --cancel
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^正在准备关机…$' | grep -q ." ||
    fail "the countdown stayed"
wait_for 5 main_window || fail "the window did not come back after the countdown"
cli 0 --status
[ "$out" = idle ] || fail "status after cancelling the countdown: $out"
[ ! -e "$TARVENEL_DRY_RUN" ] || fail "a power action was recorded: $(cat "$TARVENEL_DRY_RUN")"

step "the copy ends; nobody answers"
kill "$app"
wait "$app" 2>/dev/null || true
cli 3 --status

step "an arming starts a copy when none runs"
# Through a pipe: the copy it starts must not keep the pipe open.
start=$(date +%s)
armed=$(timeout 40 "$program" --in 10m) || fail "arming without a copy failed: $armed"
[ $(($(date +%s) - start)) -lt 20 ] || fail "the command waited for the program"
grep -q '^armed ' <<<"$armed" || fail "arming without a copy said: $armed"
started=$(xdotool search --name "$main_title" getwindowpid 2>/dev/null | head -n1)
[ -n "$started" ] && pids+=("$started") || fail "no started copy"
cli 0 --status
[ "$out" = "$armed" ] || fail "status of the started copy: $out"
cli 0 --cancel
[ ! -e "$TARVENEL_DRY_RUN" ] || fail "a power action was recorded: $(cat "$TARVENEL_DRY_RUN")"
keep_shots
echo "PASS"

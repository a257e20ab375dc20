#!/usr/bin/env bash
# The Windows program in a hostile environment, two lanes side by side in
# prefixes (Wine sessions) and displays of their own:
#   settings and race  registry values of the wrong type, 10 MB long or
#                      full of NUL characters show the defined values and
#                      are written over; then two copies started at the
#                      same instant, 50 times: exactly one lives each time;
#   dry run            TARVENEL_DRY_RUN names a file that cannot be written:
#                      the shutdown is refused with a message, and the
#                      program and its Wine session live on.
# Usage: hostile_test.sh BUILD_DIR
BUILD_DIR=$1
source "$(dirname "$0")/wine_env.sh"
source "$(dirname "$0")/../e2e/race_checks.sh"
started=$SECONDS
lane_pids=$E2E_DIR/hostile.lane-pids.$$
: >"$lane_pids"
trap 'while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$lane_pids"; rm -f "$lane_pids"; cleanup' EXIT
ensure_template_prefix

dry_run() {
    local box target
    trap cleanup EXIT
    new_prefix hostile-dry-run
    start_display
    echo "$XVFB_PID" >>"$lane_pids"
    # Armed at start a minute ahead: room for a slow start beside the race.
    target=$(seed_default_time 60)
    start_program "TARVENEL_DRY_RUN=Z:\\no\\such\\folder\\dry-run.txt"
    wait_for 60 has_window "$main_title" || fail "dry run: no main window"
    [ $((target - $(date +%s))) -ge 30 ] || fail "dry run: the program took too long to start"
    wait_for 70 has_visible_window '正在准备关机…' || fail "dry run: no countdown"
    settle
    box=$(visible_window_of '正在准备关机…')
    xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus "$box" || true
    xdotool key Tab Return # the button that acts at once
    wait_for 10 has_visible_window Tarvenel || fail "dry run: the refusal was not reported"
    import -silent -window root "$E2E_DIR/hostile-dry-run.png"
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "dry run: the program (or its session) ended"
    answer_message Return
    wait_for 10 has_visible_window "$main_title" || fail "dry run: the main window did not come back"
    echo "dry run: refused and reported"
}
dry_run >"$E2E_DIR/hostile-dry-run.out" 2>&1 &
dry_lane=$!
echo "$dry_lane" >>"$lane_pids"

new_prefix hostile
start_display
options_shot() { # the option boxes and the default time
    xdotool mousemove 0 0
    settle
    window_geometry "$(visible_window_of "$main_title")"
    import -silent -window root -crop "350x52+$((X + 16))+$((Y + 136))" "$E2E_DIR/hostile-$1.png"
}
stop_program() {
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
    wait_for 10 eval '! has_window "$main_title"' || fail "the program did not end"
}

echo "== settings: none stored"
start_program
wait_for 60 has_visible_window "$main_title" || fail "no main window"
options_shot defined
stop_program

echo "== settings: wrong types, 10 MB, NUL characters"
# Unreadable text loads as 0, which is the default of AutoOK and GuDingTime;
# text ends at its first NUL. (Wine's reg import widens each hex(1) byte.)
{
    printf 'Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Tarvenel\\SetLog]\n'
    printf '"MsgOK"=hex(1):31,00,ff,fe,00\n'
    printf '"GuDingTime"=hex:%s\n' "$(head -c 512 /dev/zero | tr '\0' 'A' | sed 's/A/ff,/g; s/,$//')"
    printf '"GuDingH"=hex(1):32,33,00,39,00\n'
    printf '"GuDingM"=dword:0000003b\n'
    printf '"AutoOK"="'
    head -c 10485760 /dev/zero | tr '\0' 7
    printf '"\n'
} >"$E2E_DIR/hostile.reg"
t=$SECONDS
limit 120 wine reg import "$(windows_path_of "$E2E_DIR/hostile.reg")" >/dev/null 2>&1 ||
    fail "could not import the hostile values"
echo "import: $((SECONDS - t)) s"
start_program
wait_for 60 has_visible_window "$main_title" || fail "no main window on hostile values"
options_shot hostile
[ "$(compare -metric AE "$E2E_DIR/hostile-defined.png" "$E2E_DIR/hostile-hostile.png" null: 2>&1)" = 0 ] ||
    fail "the options do not show the defined values"
click_at "$(visible_window_of "$main_title")" 183 146 # Check2, on -> off
answer_message Return
[ "$(reg_value 'HKCU\Software\Tarvenel\SetLog' MsgOK)" = 0 ] || fail "MsgOK was not written over"
kill -0 "$PROGRAM_PID" || fail "the program ended"
stop_program
echo "settings: $((SECONDS - started)) s"

echo "== two copies at the same instant, 50 times"
gate=$E2E_DIR/hostile.gate.$$
for round in $(seq 1 50); do
    race_pair "$round" "$gate" "$lane_pids" "$E2E_DIR/wine.log" wine "$EXE"
    # Every tenth survivor is seen to come up whole (a window takes Wine a
    # second); the others only to outlive the loser.
    if [ $((round % 10)) = 0 ]; then
        wait_for 30 has_window "$main_title" || fail "race $round: no copy shows its window"
        [ "$(xdotool search --name "^$main_title\$" | wc -l)" = 1 ] || fail "race $round: two main windows"
    else
        sleep 0.3
    fi
    kill -0 "$survivor" 2>/dev/null || fail "race $round: no copy survived"
    kill "$survivor"
    wait "$survivor" 2>/dev/null || true
    wait_for 10 eval '! has_window "$main_title"' || fail "race $round: the survivor did not end"
done
rm -f "$gate"
echo "race: 50 rounds, one survivor each, $((SECONDS - started)) s"

wait "$dry_lane" || fail "dry-run lane: $(cat "$E2E_DIR/hostile-dry-run.out")"
cat "$E2E_DIR/hostile-dry-run.out"
echo "all lanes: $((SECONDS - started)) s"
echo PASS

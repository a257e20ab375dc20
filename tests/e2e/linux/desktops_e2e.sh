#!/usr/bin/env bash
# Desktops without an XEmbed notification area, with the real program under
# openbox:
#   none at all (stock GNOME, some Wayland sessions): an armed window goes
#     to the taskbar; the command line's answer never waits for a box, the
#     warning about it comes once a run, and a cancel while an arming's
#     confirmation box is up leaves the window idle;
#   a panel that speaks StatusNotifierItem (KDE Plasma, GNOME with
#     AppIndicator), played by a stand-in watcher on a private session bus:
#     arming registers an item whose tip names the armed time, and its
#     Activate brings the window back, where 取 消 takes its disabled face
#     at once although the pointer rests on it.
# Usage: desktops_e2e.sh PROGRAM
program=$(realpath "$1")
shots_out=
here=$(dirname "$0")
source "$here/session.sh"
source "$here/../command_line_checks.sh"
cli_program=("$program")
cli_out=$work
start_session openbox notray

iconified() { xprop -id "$win" WM_STATE | grep -q Iconic; }
# The main window back from the taskbar, as a click on its entry does it.
bring_back() {
    xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
    wait_for 10 main_window || fail "$1: the window did not come back from the taskbar"
    locate_main
}
# Answers the box that is up with Enter and waits until that box is gone.
answer_visible_box() {
    local box
    box=$(xdotool search --onlyvisible --name '^Tarvenel$' | head -n1)
    xdotool windowactivate --sync "$box" key Return
    wait_for 10 eval "! xwininfo -id $box | grep -q IsViewable" || fail "a box stayed"
}
# Presses 确 定 at X (the lists still hold the last target) and answers every
# box until the window is in the taskbar; the number of boxes ends in
# $answered. Quick presses at one spot would make a double click, which is no
# click: each arming presses elsewhere on the button.
arm_by_button() {
    local limit=$((SECONDS + 30))
    answered=0
    click "$1" 115
    until iconified; do
        [ $SECONDS -lt $limit ] || fail "arming by the button did not end in the taskbar"
        if visible_box; then
            answer_visible_box
            answered=$((answered + 1))
        fi
        sleep 0.1
    done
}

step "no notification area: --in answers at once, and the terminal is told"
start_program
win=$(main_window)
started=$SECONDS
cli 0 --in 10m
[ $((SECONDS - started)) -lt 15 ] || fail "--in waited $((SECONDS - started)) s for its answer"
grep -q '^armed ' <<<"$out" || fail "--in said: $out"
grep -q '^note: no notification area' <<<"$err" || fail "the terminal was not told: $err"
expect_status "$out"
wait_for 10 iconified || fail "the armed window did not go to the taskbar"
! visible_box || fail "a box came up for the command line's arming"

step "armed by the button twice: the warning once"
cli 0 --cancel
bring_back first
arm_by_button 70 # the confirmation, then the warning
[ "$answered" = 2 ] || fail "the first arming showed $answered boxes, not 2"
cli 0 --cancel
bring_back second
arm_by_button 91 # the confirmation only
[ "$answered" = 1 ] || fail "the second arming showed $answered boxes, not 1"

step "a cancel while the confirmation box is up leaves the window idle"
cli 0 --cancel
bring_back third
click 112 115
wait_for 10 visible_box || fail "no confirmation box"
cli 0 --cancel
[ "$out" = idle ] || fail "cancel said: $out"
answer_visible_box
# The window stays on the screen, idle, and no box follows: an arming from
# the command line would be refused while one is up.
iconified && fail "the cancelled window went to the taskbar"
expect_status idle
cli 0 --in 10m

step "a StatusNotifierItem panel: the item's tip names the target, Activate restores"
kill "$app"
wait "$app" 2>/dev/null || true
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
pids+=($!)
wait_for 10 test -s "$work/bus" || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
"$here/sni_watcher.py" serve "$work/items" >"$work/watcher.log" 2>&1 &
pids+=($!)
wait_for 10 "$here/sni_watcher.py" owned || fail "the stand-in watcher did not start: $(cat "$work/watcher.log")"
start_program
# 取 消 as it starts, disabled, once painted.
wait_for 10 eval 'shot sni-start; [ "$(pixel sni-start $((wx + 188)) $((wy + 110)))" != 0,0,0 ]' ||
    fail "the window was not painted"
cli 0 --in 10m
armed=${out#armed }
wait_for 10 eval '! main_window' || fail "arming did not hide the window behind the item"
wait_for 10 test -s "$work/items" || fail "no item registered: $(cat "$work/program.log")"
item=$(head -n1 "$work/items")
tip=$("$here/sni_watcher.py" tip "$item") || fail "no tip from $item"
grep -qF "设定关机时间：$(date -d "$armed" '+%Y年%-m月%-d日%-H时%-M分%-S秒')" <<<"$tip" ||
    fail "the item's tip does not name $armed: $tip"
"$here/sni_watcher.py" activate "$item" || fail "Activate failed"
wait_for 10 main_window || fail "Activate did not bring the window back"

step "取 消 on the restored window takes its disabled face under the pointer"
locate_main
click 188 115 # XPButton2, disabled by its own click
expect_status idle
wait_for 5 eval 'shot now; same_area sni-start now 148 102 81 27' ||
    fail "取 消 kept its hover face after it was disabled"

step "armed again, the item's tip names the new target"
cli 0 --in 20m
armed=${out#armed }
wait_for 10 eval '"$here/sni_watcher.py" tip "$item" | grep -qF "设定关机时间：$(date -d "$armed" "+%Y年%-m月%-d日%-H时%-M分%-S秒")"' ||
    fail "the tip does not name $armed: $("$here/sni_watcher.py" tip "$item")"
echo PASS

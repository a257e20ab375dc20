#!/usr/bin/env bash
# The options as a user switches them (tests/e2e/option_checks.sh), driven in
# the real program: the settings file and the XDG autostart entry, then how
# the entry meets GNOME's own start-up switch.
# Usage: options_e2e.sh PROGRAM
program=$(realpath "$1")
shots_out=
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/../option_checks.sh"
ini=$XDG_CONFIG_HOME/Tarvenel/Tarvenel.ini
desktop=$XDG_CONFIG_HOME/autostart/tarvenel.desktop
mkdir -p "$(dirname "$ini")"
printf '[SetLog]\nMsgOK=0\n' >"$ini"
start_session
start_program

main_at() {
    settled main
    locate_main
}
main_click() { click "$@"; }
answer_ok() { answer_box option Return; }
stored() { grep -qx '\[SetLog\]' "$ini" && sed -n "s/^$1=//p" "$ini"; }
entry_holds_program() {
    grep -qxF "Exec=\"$program\"" "$desktop" && grep -qx 'Hidden=false' "$desktop"
}
quit_program() {
    click 363 13 # Imclose
    answer_box exit alt+y
    wait_for 10 bash -c "! kill -0 $app" || fail "是 did not end the program"
}
quit_and_start() {
    quit_program
    start_program
}
saved_entry_whole() {
    grep -qx '\[Desktop Entry\]' "$desktop" && grep -qx 'Type=Application' "$desktop" ||
        fail "the autostart entry is malformed: $(cat "$desktop")"
}
second_copy_ends() {
    timeout 10 "$program" >>"$work/program.log" 2>&1 &&
        [ "$(xdotool search --onlyvisible --name "$main_title" | wc -l)" = 1 ] &&
        kill -0 "$app"
}
entry_off() { grep -qx 'Hidden=true' "$desktop"; }
# answer_box NAME KEY
answer_box() {
    wait_for 10 message_box >/dev/null || fail "no message box for $1"
    xdotool windowfocus --sync "$(message_box)" key "$2"
    wait_for 10 eval '! message_box >/dev/null' || fail "the $1 box stayed"
}

option_checks

step "GNOME's own switch turns the entry off; Check1 turns it on for every desktop"
click_option 24 146
quit_program
# As GNOME's start-up tools switch an entry off, with a line of the user's.
sed -i 's/^X-GNOME-Autostart-enabled=true$/X-GNOME-Autostart-enabled=false/' "$desktop"
echo 'X-Mine=kept' >>"$desktop"
start_program
main_at
box_shots gnome
boxes_alike start gnome 0 || fail "Check1 is ticked for an entry GNOME switched off"
click_option 24 146
for line in 'Hidden=false' 'X-GNOME-Autostart-enabled=true' 'X-Mine=kept' "Exec=\"$program\""; do
    grep -qxF "$line" "$desktop" || fail "no $line in the entry: $(cat "$desktop")"
done
echo PASS

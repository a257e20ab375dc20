#!/usr/bin/env bash
# The main window as the user first meets it, then the options as a user
# switches them (tests/e2e/option_checks.sh), driven in tarvenel.exe under
# Wine: the registry and the Run key's entry.
BUILD_DIR=$1
source "$(dirname "$0")/wine_env.sh"
source "$(dirname "$0")/../e2e/option_checks.sh"
trap cleanup EXIT
new_prefix options
start_display
seed_settings MsgOK=0
run_key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'

start_program
wait_for 60 has_visible_window "$main_title" || fail "the main window did not appear"
main=$(visible_window_of "$main_title")
settle
window_geometry "$main"
[ "$WIDTH" = 376 ] && [ "$HEIGHT" = 216 ] || fail "window is ${WIDTH}x$HEIGHT, not 376x216"
import -silent -window root "$E2E_DIR/options-main.png"
# The corners are cut by the window region: the root shows through there.
root=$(pixel_at 2 2)
for corner in "$X $Y" "$((X + 375)) $Y" "$X $((Y + 215))" "$((X + 375)) $((Y + 215))"; do
    # shellcheck disable=SC2086
    [ "$(pixel_at $corner)" = "$root" ] || fail "corner $corner is not cut off"
done
[ "$(pixel_at $((X + 5)) "$Y")" != "$root" ] || fail "the top edge is cut off"
[ "$(pixel_at "$X" $((Y + 5)))" != "$root" ] || fail "the left edge is cut off"
[ "$(pixel_at $((X + 188)) $((Y + 100)))" = ffffff ] || fail "the window's interior is not white"

# The arm button: the selectors still show the start time, which lies in
# the past, so arming is refused with a message and the window stays.
xdotool mousemove $((X + 100)) $((Y + 115))
settle # the hover look painted
import -silent -window root "$E2E_DIR/options-hover.png"
click_at "$main" 100 115
answer_message Return
has_visible_window "$main_title" || fail "the refused arming hid the window"

answer_ok() { answer_message Return; }
stored() { reg_value 'HKCU\Software\Tarvenel\SetLog' "$1"; }
# The value's text up to its padding: the program's path.
entry_holds_program() {
    [ "$(reg_value "$run_key" Vexalo)" = "$(windows_path_of "$EXE")" ]
}
quit_and_start() {
    main_click 363 13 # Imclose
    answer_message y
    wait_for 20 bash -c "! kill -0 $PROGRAM_PID 2>/dev/null" || fail "是 did not end the program"
    # The registry is written out as the server ends.
    stop_session
    start_program
    wait_for 60 has_visible_window "$main_title" || fail "the main window did not come back"
}
# The path padded with NULs to 255 characters, as the program writes it.
saved_entry_whole() {
    local stored path nuls length
    stored=$(saved_value "$WINEPREFIX/system.reg" Vexalo)
    path=${stored%%\\0*}
    nuls=$(grep -o '\\0' <<<"${stored#"$path"}" | wc -l)
    [ "$path" = "$(windows_path_of "$EXE" | sed 's/\\/\\\\/g')" ] || fail "Vexalo holds '$path'"
    # Wine keeps a text's final NUL as the terminator it does not write out.
    length=$(($(printf '%s' "$path" | sed 's/\\\\/\\/g' | wc -c) + nuls + 1))
    [ "$length" = 255 ] || fail "Vexalo holds $length characters, not 255"
}
second_copy_ends() {
    limit 30 wine "$EXE" >/dev/null 2>&1 &&
        [ "$(xdotool search --name "^$main_title\$" | wc -l)" = 1 ]
}
# Emptied but kept: text of no bytes at all, which Wine writes as type 1
# with empty data.
entry_off() {
    stop_session
    grep -aq '^"Vexalo"=hex(1):$' "$WINEPREFIX/system.reg"
}

option_checks
echo "PASS"

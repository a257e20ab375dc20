#!/usr/bin/env bash
# The main window as the user first meets it, the options switched by mouse
# clicks, the start-up entry, and the single-instance rule.
BUILD_DIR=$1
source "$(dirname "$0")/wine_env.sh"
trap cleanup EXIT
new_prefix options
start_display
# A seeded option is read at start: the confirmation message starts off.
seed_settings MsgOK=0

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

# Check2 (confirmation message) was read clear: a click switches it on.
click_at "$main" 183 146
answer_message Return
[ "$(reg_value 'HKCU\Software\Tarvenel\SetLog' MsgOK)" = 1 ] || fail "MsgOK was not stored as 1"
# Check3 (automatic arming) starts clear.
click_at "$main" 23 162
answer_message Return
[ "$(reg_value 'HKCU\Software\Tarvenel\SetLog' AutoOK)" = 1 ] || fail "AutoOK was not stored as 1"
# A right-button release stores the box's unchanged state again.
xdotool mousemove $((X + 23)) $((Y + 162)) click 3
answer_message Return
[ "$(reg_value 'HKCU\Software\Tarvenel\SetLog' AutoOK)" = 1 ] || fail "a right click changed AutoOK"
click_at "$main" 23 162
answer_message Return
[ "$(reg_value 'HKCU\Software\Tarvenel\SetLog' AutoOK)" = 0 ] || fail "AutoOK was not stored as 0"

# The arm button: the selectors still show the start time, which lies in
# the past, so arming is refused with a message and the window stays.
xdotool mousemove $((X + 100)) $((Y + 115))
settle # the hover look painted
import -silent -window root "$E2E_DIR/options-hover.png"
click_at "$main" 100 115
answer_message Return
has_visible_window "$main_title" || fail "the refused arming hid the window"

# Check1 (start with Windows) writes the program's path, padded with NULs.
click_at "$main" 23 146
answer_message Return
stop_session
expected=$(windows_path_of "$EXE" | sed 's/\\/\\\\/g')
stored=$(saved_value "$WINEPREFIX/system.reg" Vexalo)
path=${stored%%\\0*}
nuls=$(grep -o '\\0' <<<"${stored#"$path"}" | wc -l)
[ "$path" = "$expected" ] || fail "Vexalo holds '$path', not '$expected'"
# Wine keeps a text's final NUL as the terminator it does not write out.
length=$(($(printf '%s' "$path" | sed 's/\\\\/\\/g' | wc -c) + nuls + 1))
[ "$length" = 255 ] || fail "Vexalo holds $length characters, not 255"

# Started again, the program finds its entry: Check1 is ticked, and a click
# switches it off, which empties the value but keeps it.
start_program
wait_for 60 has_visible_window "$main_title" || fail "the main window did not come back"
main=$(visible_window_of "$main_title")
settle

# A second copy ends at once and shows nothing.
limit 30 wine "$EXE" >/dev/null 2>&1 || fail "the second copy did not end by itself"
[ "$(xdotool search --name "^$main_title\$" | wc -l)" = 1 ] || fail "a second main window appeared"

click_at "$main" 23 146
answer_message Return
stop_session
# Text of no bytes at all, which Wine writes as type 1 with empty data.
grep -aq '^"Vexalo"=hex(1):$' "$WINEPREFIX/system.reg" || fail "Vexalo was not emptied: $(saved_value "$WINEPREFIX/system.reg" Vexalo)"
echo "PASS"

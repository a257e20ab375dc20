#!/usr/bin/env bash
# "程序每次随系统启动" for a standard user under UAC. The program runs with the
# filtered token Windows gives every program started normally, and the
# machine-wide Run key refuses its writes (administrators write, users read).
# The program then asks for an elevated copy of itself, the real
# tarvenel.exe through ShellExecuteExW with "runas"; Wine has no consent
# prompt, so uac-standin.exe plays it: it starts the program and answers the
# copy's request with an administrator's rights (grant) or without (refuse).
#   grant   switched on, the copy writes the padded path and the box shows
#           ticked with the information message; switched off, the value is
#           emptied and the box clear;
#   refuse  the copy's write fails too: the warning, value and box unchanged;
# and the copy itself writes nothing for any other request.
# Usage: uac_test.sh BUILD_DIR STANDIN_EXE
BUILD_DIR=$1
STANDIN=$2
source "$(dirname "$0")/wine_env.sh"
trap cleanup EXIT
new_prefix uac
start_display
run_key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
exe=$(windows_path_of "$EXE")
log=$E2E_DIR/uac.log
: >"$log"

# start_standin MODE: the program under the stand-in, its window settled.
start_standin() {
    limit 300 wine "$STANDIN" "$1" "$exe" >>"$log" 2>&1 &
    PROGRAM_PID=$!
    wait_for 60 has_visible_window "$main_title" || fail "$1: the main window did not appear"
    main=$(visible_window_of "$main_title")
    settle
    window_geometry "$main"
}
# check1 NAME: a picture of Check1's box as the screen shows it now.
check1() { import -silent -window root -crop "14x14+$((X + 16))+$((Y + 139))" "$E2E_DIR/uac-$1.png"; }
same_picture() { [ "$(compare -metric AE "$E2E_DIR/uac-$1.png" "$E2E_DIR/uac-$2.png" null: 2>&1)" = 0 ]; }
# box_says KIND: the message box that is up shows the information (info) or
# the exclamation (warning) icon, which Wine draws orange.
box_says() {
    local box orange
    wait_for 20 has_visible_window Tarvenel || fail "no message box appeared"
    box=$(visible_window_of Tarvenel)
    window_geometry "$box"
    import -silent -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" "$E2E_DIR/uac-box-$1.png"
    orange=$(convert "$E2E_DIR/uac-box-$1.png" -fx '(r>0.8&&g>0.35&&b<0.3)?1:0' -format '%[fx:int(mean*w*h)]' info:)
    if [ "$1" = warning ]; then [ "$orange" -gt 20 ]; else [ "$orange" = 0 ]; fi ||
        fail "the message is not the $1 box"
    window_geometry "$main"
}

step() { echo "== $*"; }
# The value is there and empty, as the registry file keeps it once the
# prefix's session has ended (text of no bytes: type 1, no data).
emptied() { grep -aq '^"Vexalo"=hex(1):$' "$WINEPREFIX/system.reg"; }

step "granted: switched on and off by the elevated copy"
start_standin grant
check1 clear
click_at "$main" 23 146
box_says info
answer_message Return
grep -q '^granted' "$log" || fail "the program asked for no elevated copy: $(cat "$log")"
stored=$(reg_value "$run_key" Vexalo) || fail "no Vexalo value"
[ "$stored" = "$exe" ] || fail "Vexalo holds '$stored', not '$exe'"
check1 on
same_picture clear on && fail "the box is not ticked"
click_at "$main" 23 146
box_says info
answer_message Return
[ "$(grep -c '^granted' "$log")" = 2 ] || fail "switching off asked for no elevated copy"
check1 off
same_picture clear off || fail "the box is not clear again"
stop_session
emptied || fail "Vexalo was not emptied: $(saved_value "$WINEPREFIX/system.reg" Vexalo)"

step "refused: the warning, and value and box as they were"
start_standin refuse
click_at "$main" 23 146
box_says warning
answer_message Return
grep -q '^refused' "$log" || fail "the program asked for no elevated copy: $(cat "$log")"
check1 refused
same_picture clear refused || fail "the box shows ticked after a refusal"
stop_session
emptied || fail "a refused copy changed Vexalo"

step "the elevated copy takes its own request only"
code=0
limit 60 wine "$EXE" --tarvenel-elevated-startup-entry on 'C:\elsewhere\other.exe' >/dev/null 2>&1 || code=$?
[ "$code" = 87 ] || fail "a request for another program ended with $code, not 87"
limit 60 wine "$EXE" --tarvenel-elevated-startup-entry on "$exe" extra >/dev/null 2>&1 || code=$?
[ "$code" = 87 ] || fail "a request with more arguments ended with $code, not 87"
stop_session
emptied || fail "a refused request changed Vexalo"
echo PASS

#!/usr/bin/env bash
# Checks the Windows packages as a user meets them, under Wine in a throwaway
# prefix: the zip holds the exe and the read-me, nothing else; the setup
# installs silently into Program Files with a Start-menu shortcut and an
# uninstall entry, and the shortcut starts the program (dry run); setup and
# uninstaller refuse while the program runs; the uninstaller then removes
# the files, the shortcut, the entry and the start-up value, and keeps the
# user's settings.
# Usage: windows_test.sh BUILD_DIR VERSION ZIP SETUP
BUILD_DIR=$(realpath "$1")
version=$2
zip=$(realpath "$3")
setup=$(realpath "$4")
source "$(dirname "$0")/../win32/wine_env.sh"
trap cleanup EXIT
step() { echo "== $*"; }

step "the zip"
members=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
[ "$members" = "README.txt tarvenel.exe " ] || fail "the zip holds: $members"
unpacked=$E2E_DIR/packages-zip
rm -rf "$unpacked" && mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
cmp -s "$unpacked/tarvenel.exe" "$EXE" || fail "the zip's tarvenel.exe is not the one built"
readme=$(tr -d '\r' <"$unpacked/README.txt")
grep -q "Tarvenel $version 定时关机" <<<"$readme" || fail "the read-me has no Chinese title"
grep -q "Tarvenel $version shutdown timer" <<<"$readme" || fail "the read-me has no English title"

step "silent install"
new_prefix packages
start_display
seed_settings MsgOK=0 # the user's own, which the uninstaller keeps
limit 120 wine "$setup" /S || fail "the setup failed"
dir=$WINEPREFIX/drive_c/Program\ Files/Tarvenel
shortcut=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Tarvenel.lnk
cmp -s "$dir/tarvenel.exe" "$EXE" || fail "no tarvenel.exe in Program Files"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvenel'
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "no uninstall entry for $version"
[ "$(reg_value "$uninstall_key" DisplayIcon)" = 'C:\Program Files\Tarvenel\tarvenel.exe,0' ] ||
    fail "the entry's icon is $(reg_value "$uninstall_key" DisplayIcon)"
[ -n "$(reg_value "$uninstall_key" Publisher)" ] || fail "the entry names no publisher"
[ "$(reg_value "$uninstall_key" UninstallString)" = '"C:\Program Files\Tarvenel\uninstall.exe"' ] ||
    fail "the entry's uninstaller is $(reg_value "$uninstall_key" UninstallString)"

step "the shortcut starts the program"
TARVENEL_DRY_RUN=$(windows_path_of "$E2E_DIR/packages-dry-run.log") \
    limit 60 wine start /unix "$shortcut" >>"$E2E_DIR/wine.log" 2>&1
wait_for 30 has_visible_window "Tarvenel $version" || fail "the installed program shows no window"
settle
import -window root "$E2E_DIR/packages-installed.png"

step "setup and uninstaller leave a running program alone"
code=0
limit 60 wine "$setup" /S || code=$?
[ "$code" = 2 ] || fail "the setup ran over the running program (exit code $code)"
# Run in place (_?=DIR), the uninstaller answers with its exit code. DIR ends
# the command line and takes no quotes, so it is given by its short name.
short=$(limit 30 wine cmd /c dir /x 'C:\' | tr -d '\r' | awk '/ Program Files$/ { print $(NF - 2) }')
code=0
limit 60 wine "$dir/uninstall.exe" /S "_?=C:\\$short\\Tarvenel" || code=$?
[ "$code" = 2 ] || fail "the uninstaller ran beside the program (exit code $code)"
[ -f "$dir/tarvenel.exe" ] || fail "the running program was removed"
stop_session

step "silent uninstall"
limit 30 wine reg add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' /v Vexalo /t REG_SZ \
    /d 'C:\Program Files\Tarvenel\tarvenel.exe' /f >/dev/null 2>&1 || fail "could not add Vexalo"
limit 120 wine "$dir/uninstall.exe" /S || fail "the uninstaller failed"
limit 60 wineserver -w # it goes on from a copy of itself in TEMP
[ ! -e "$dir" ] || fail "Program Files\\Tarvenel is left: $(ls "$dir")"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
limit 30 wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry is left"
reg_value 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' Vexalo >/dev/null &&
    fail "the start-up value Vexalo is left"
[ "$(reg_value 'HKCU\Software\Tarvenel\SetLog' MsgOK)" = 0 ] || fail "the user's settings are gone"
echo PASS

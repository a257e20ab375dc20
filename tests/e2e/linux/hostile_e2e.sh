#!/usr/bin/env bash
# The real program in a hostile environment, three lanes side by side:
#   settings  (display 1) settings files that are missing, empty, garbage,
#             10 MB, full of NUL bytes, a file where the folder should be, a
#             folder that cannot be written, and no runtime directory at
#             all: the defined values show, every failed write says so and
#             leaves the stored bytes alone;
#   race      (offscreen) two copies started at the same instant, 50 times,
#             also with XDG_RUNTIME_DIR unset or not the user's: one lives;
#   dry run   (display 2) TARVENEL_DRY_RUN names a file that cannot be
#             written: the shutdown is refused with a message, and the system
#             bus (a listening trap here) is never even connected to.
#   hostile_e2e.sh PROGRAM [SCREENSHOT_DIR]
program=$(realpath "$1")
shots_out=${2:-}
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/../race_checks.sh"
# Lanes run in subshells: their processes are recorded here and ended too.
trap 'while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$work/lane-pids"; cleanup' EXIT
touch "$work/lane-pids"
# Qt's fallback for a runtime directory it cannot use lands here too.
export TMPDIR=$work/tmp
mkdir -p "$TMPDIR"
# Cases run as another user where root would write through any permission.
# Only in the background: the exec keeps $! the program's own PID.
chmod 755 "$work" "$HOME"
as_user() {
    if [ "$(id -u)" = 0 ]; then
        exec setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
    else
        exec "$@"
    fi
}
user_dir() { # a folder of the user as_user runs as
    mkdir -p "$1"
    [ "$(id -u)" != 0 ] || chown 65534:65534 "$1"
    chmod 700 "$1"
}
close_box() {
    xdotool key Return
    wait_for 5 eval '! visible_box' || fail "$1: the message box stayed"
}
garbage() { python3 -c "import random,sys; random.seed($2); sys.stdout.buffer.write(random.randbytes($1))"; }

start_session
read -r number2 xvfb2 < <(start_xvfb "$work/xvfb2.log") || fail "the second Xvfb did not start"
pids+=("$xvfb2")
display2=:$number2
DISPLAY=$display2 start_tray

# --- Lane: two copies at once. A gate held here lets both go together.
race() {
    local round
    export QT_QPA_PLATFORM=offscreen TMPDIR=$work/tmp XDG_CONFIG_HOME=$work/race-config
    mkdir -p "$TMPDIR" "$work/run-race" "$work/run-foreign" && chmod 700 "$work/run-race"
    # A runtime directory owned by someone else, which Qt will not use.
    [ "$(id -u)" != 0 ] || chown 65534 "$work/run-foreign"
    for round in $(seq 1 50); do
        case $round in
        41) unset XDG_RUNTIME_DIR ;;
        46) export XDG_RUNTIME_DIR=$work/run-foreign ;;
        *) [ $round -gt 40 ] || export XDG_RUNTIME_DIR=$work/run-race ;;
        esac
        race_pair "$round" "$work/gate" "$work/lane-pids" "$work/race.log" "$program"
        sleep 0.2
        kill -0 "$survivor" 2>/dev/null || fail "race $round: no copy survived"
        kill "$survivor" && wait "$survivor" 2>/dev/null || true
    done
    ls "$TMPDIR"/runtime-*/tarvenel.lock >/dev/null || fail "race: no lock in Qt's fallback folder"
    echo "race: 50 rounds, one survivor each"
}

# --- Lane: the dry-run file cannot be written; the system bus is a trap.
dry_run() {
    local box
    export DISPLAY=$display2 XDG_RUNTIME_DIR=$work/run-dry XDG_CONFIG_HOME=$work/dry-config
    export TARVENEL_DRY_RUN=$work/no-such-folder/dry-run.txt
    export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/system-bus
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    socat UNIX-LISTEN:"$work/system-bus",fork SYSTEM:"touch $work/bus-reached" &
    echo $! >>"$work/lane-pids"
    "$program" >>"$work/dry.log" 2>&1 &
    app=$!
    echo $app >>"$work/lane-pids"
    wait_for 15 main_window || fail "dry run: no main window"
    timeout 20 "$program" --in 32s >>"$work/dry.log" 2>&1 || fail "dry run: arming failed"
    wait_for 45 xdotool search --onlyvisible --name '^正在准备关机…$' || fail "dry run: no countdown"
    box=$(xdotool search --onlyvisible --name '^正在准备关机…$' | head -n1)
    xdotool windowfocus --sync "$box" key Tab Return # the button that acts at once
    wait_for 10 visible_box || fail "dry run: the refusal was not reported"
    settled dry-run-refused
    [ ! -e "$work/bus-reached" ] || fail "dry run: the system bus was connected to"
    [ ! -e "$TARVENEL_DRY_RUN" ] || fail "dry run: something was recorded"
    close_box "dry run"
    [ "$(timeout 20 "$program" --status)" = idle ] || fail "dry run: not idle after the refusal"
    kill -0 "$app" || fail "dry run: the program ended"
    echo "dry run: refused and reported"
}

# --- Lane: settings, on the first display.
ini_dir=$XDG_CONFIG_HOME/Tarvenel
ini=$ini_dir/Tarvenel.ini
export XDG_RUNTIME_DIR=$work/run-settings
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
user_dir "$work/run-user"
options() { # the option boxes and the default time, as a picture
    xdotool mousemove 0 0
    settled "$1"
}
# run_case NAME saved|refused [as_user]: starts the program on the prepared
# settings; the options must show the defined values, and switching one
# must be stored or refused as said, nothing else ending or changing.
run_case() {
    local name=$1 outcome=$2
    shift 2
    step "settings: $name"
    [ -e "$ini" ] && cp -a "$ini" "$work/kept" || rm -f "$work/kept"
    "$@" "$program" >>"$work/program.log" 2>&1 &
    app=$!
    pids+=($app)
    wait_for 15 main_window || fail "$name: no main window"
    locate_main
    options "$name"
    [ "$name" = missing ] || same_area missing "$name" 16 136 350 52 ||
        fail "$name: the options do not show the defined values"
    click 184 146 # Check2
    wait_for 10 visible_box || fail "$name: no message after switching an option"
    case $outcome in
    saved)
        [ "$name" != missing ] || saved_height=$BH
        [ "$BH" = "$saved_height" ] || fail "$name: the switch was not reported as saved"
        grep -qax 'MsgOK=0' "$ini" || fail "$name: MsgOK=0 was not stored"
        ;;
    refused)
        [ "$BH" -gt "$saved_height" ] || fail "$name: the failed write was not reported"
        shot "$name-refused"
        if [ -e "$work/kept" ]; then
            cmp -s "$work/kept" "$ini" || fail "$name: the stored file changed"
        fi
        ;;
    esac
    close_box "$name"
    kill -0 "$app" || fail "$name: the program ended"
    kill "$app" && wait "$app" 2>/dev/null || true
}
fresh() {
    chmod -R u+w "$XDG_CONFIG_HOME" 2>/dev/null || true
    rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$ini_dir"
}

race >"$work/race.out" 2>&1 &
race_lane=$!
dry_run >"$work/dry.out" 2>&1 &
dry_lane=$!
started=$SECONDS

fresh && run_case missing saved
fresh && : >"$ini" && run_case empty saved
fresh && garbage 65536 1 >"$ini" && run_case garbage saved
fresh && garbage 10485760 2 >"$ini" && run_case "10 MB file" saved
# Unreadable text loads as 0, the default of these two keys.
fresh && { printf '[SetLog]\nAutoOK='; head -c 10485760 /dev/zero | tr '\0' 7; printf '\nMsgOK=1\n'; } >"$ini" &&
    run_case "10 MB value" saved
fresh && printf '[SetLog]\nMsgOK=1\nAutoOK=\0 1\n\0[\0SetLog\0]\0\nGuDingTime=1\0\n' >"$ini" &&
    run_case "NUL bytes" saved
fresh && rmdir "$ini_dir" && echo "a file, not a folder" >"$ini_dir" && run_case "file for folder" refused
cmp -s <(echo "a file, not a folder") "$ini_dir" || fail "the file in the folder's place changed"
# Stored values the program writes as they are; the folder is read-only.
fresh && printf '[SetLog]\nMsgOK=1\nGuDingH=23\n' >"$ini" && chmod 666 "$ini" && chmod 555 "$ini_dir" &&
    run_case "read-only folder" refused as_user env XDG_RUNTIME_DIR="$work/run-user"
fresh && garbage 4096 3 >"$ini" && chmod 666 "$ini" && chmod 555 "$ini_dir" &&
    run_case "garbage, read-only folder" refused as_user env XDG_RUNTIME_DIR="$work/run-user"

step "no usable runtime directory at all"
echo "not a folder" >"$work/not-a-folder"
env XDG_RUNTIME_DIR="$work/not-a-folder" TMPDIR="$work/not-a-folder" "$program" >>"$work/program.log" 2>&1 &
app=$!
pids+=($app)
wait_for 15 visible_box || fail "no message when the one-copy lock cannot be made"
shot no-runtime
close_box "no runtime directory"
wait_for 15 main_window || fail "no main window after the lock message"
kill "$app"
echo "settings lane: $((SECONDS - started)) s"

wait "$race_lane" || fail "race lane: $(cat "$work/race.out")"
cat "$work/race.out"
wait "$dry_lane" || fail "dry-run lane: $(cat "$work/dry.out")"
cat "$work/dry.out"
echo "all lanes: $((SECONDS - started)) s"
keep_shots
echo PASS

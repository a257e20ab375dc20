# Shared by the Windows program's end-to-end tests: a throwaway Wine prefix
# per test, copied from one made once under the build folder, a virtual X
# display of its own, and helpers that poll for state instead of sleeping.
# Source it with BUILD_DIR set to the windows preset's build folder.
set -eEuo pipefail
# A command that stops the script through `set -e` is named on the way out,
# so that no run ends without saying why.
failed=
last_error=
trap 'last_error="line $LINENO: $BASH_COMMAND"' ERR

SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$SOURCE_DIR/tests/e2e/program_title.sh"
main_title=$(program_title)
E2E_DIR=$BUILD_DIR/e2e
TEMPLATE_PREFIX=$E2E_DIR/template-prefix
EXE=$BUILD_DIR/platform/win32/tarvenel.exe
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Runs a command with a time limit: nothing here may hang the test run.
limit() { timeout --kill-after=5 "$@"; }

# The template prefix: made once, then only copied. Tests running side by
# side wait for each other here.
ensure_template_prefix() {
    mkdir -p "$E2E_DIR"
    exec 9>"$E2E_DIR/template.lock"
    flock 9
    make_template_prefix
    flock -u 9
}

make_template_prefix() {
    [ -f "$TEMPLATE_PREFIX/.ready" ] && return 0
    rm -rf "$TEMPLATE_PREFIX"
    mkdir -p "$TEMPLATE_PREFIX"
    (
        export WINEPREFIX=$TEMPLATE_PREFIX
        limit 300 wineboot --init >/dev/null 2>&1 || true
        # Without a window manager every hide would wait for one.
        limit 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        # The forms ask for SimSun (宋体).
        "$SOURCE_DIR/scripts/wine-cjk-fonts"
        limit 60 wineserver -w || true
    )
    touch "$TEMPLATE_PREFIX/.ready"
}

# new_prefix NAME: a fresh copy of the template for one test.
new_prefix() {
    ensure_template_prefix
    export WINEPREFIX=$E2E_DIR/$1-prefix
    rm -rf "$WINEPREFIX"
    cp -a "$TEMPLATE_PREFIX" "$WINEPREFIX"
}

# start_display: a virtual X server on a free display number.
start_display() {
    local number
    mkdir -p "$E2E_DIR"
    read -r number XVFB_PID < <("$SOURCE_DIR/tests/e2e/start_xvfb.sh" "$E2E_DIR/xvfb.log" \
        -screen 0 1024x768x24) || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$number
}

# Ends what this test started, and only that.
cleanup() {
    local status=$?
    if [ "$status" != 0 ] && [ -z "$failed" ]; then
        echo "FAIL: stopped at $last_error (status $status)" >&2
    fi
    if [ -n "${WINEPREFIX:-}" ]; then limit 20 wineserver -k >/dev/null 2>&1 || true; fi
    if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

# reg_value KEY NAME: the data of a registry value as `wine reg query` prints it.
reg_value() {
    limit 30 wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^  /, ""); print; found = 1 } END { exit !found }'
}

# Predicates for wait_for.
has_window() { [ -n "$(window_of "$1")" ]; }
has_visible_window() { [ -n "$(visible_window_of "$1")" ]; }
no_visible_window() { [ -z "$(visible_window_of "$1")" ]; }
file_has() { grep -q "$2" "$1" 2>/dev/null; }

window_of() { { xdotool search --name "^$1\$" 2>/dev/null || true; } | head -n1; }
visible_window_of() { { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; } | head -n1; }

step() { echo "== $*"; }

fail() {
    failed=1
    echo "FAIL: $*" >&2
    exit 1
}

# start_program [ENV=VALUE...]: starts tarvenel.exe in the background.
start_program() {
    env "$@" timeout --kill-after=5 300 wine "$EXE" >>"$E2E_DIR/wine.log" 2>&1 &
    PROGRAM_PID=$!
}

# Window geometry as shell variables X, Y, WIDTH, HEIGHT.
window_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

# The main window's top-left corner on the screen as wx, wy; main_at once it
# is drawn and still; main_click X Y [BUTTON] clicks a point of it.
main_where() { window_geometry "$(visible_window_of "$main_title")" && wx=$X wy=$Y; }
main_at() { settle && main_where; }
main_click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click "${3:-1}"; }
# area_shot NAME X Y W H: a picture of part of the main window, kept beside
# the test's prefix; pixels_changed NAME1 NAME2: how many pixels differ.
area_shot() {
    import -silent -window root -crop "$4x$5+$((wx + $2))+$((wy + $3))" "$E2E_DIR/${WINEPREFIX##*/}.$1.png"
}
pixels_changed() {
    compare -metric AE "$E2E_DIR/${WINEPREFIX##*/}.$1.png" "$E2E_DIR/${WINEPREFIX##*/}.$2.png" null: 2>&1
}

# click_at WINDOW X Y: a left click at client pixel (X, Y) of the window.
click_at() {
    window_geometry "$1"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

# The colour of one screen pixel as rrggbb.
pixel_at() {
    import -silent -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'A-F' 'a-f'
}

# answer_message TEXT_KEY: waits for a message box titled "Tarvenel" and
# presses the key in it.
answer_message() {
    local box
    wait_for 20 has_visible_window Tarvenel || fail "no message box appeared"
    box=$(visible_window_of Tarvenel)
    xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus "$box" || true
    xdotool key --clearmodifiers "$1"
    wait_for 10 no_visible_window Tarvenel || fail "the message box stayed"
}

# settle: waits until the screen stops changing (two pictures in a row
# alike; the clock line changes once a second): the window that just
# appeared is drawn, and its program, having drawn it, takes input.
settle() {
    local limit=$((SECONDS + 30)) a=$E2E_DIR/settle.$BASHPID.a.png b=$E2E_DIR/settle.$BASHPID.b.png
    import -silent -window root "$a"
    while [ $SECONDS -lt $limit ]; do
        sleep 0.2
        import -silent -window root "$b"
        if [ "$(compare -metric AE "$a" "$b" null: 2>&1)" = 0 ]; then
            rm -f "$a" "$b"
            return 0
        fi
        mv "$b" "$a"
    done
    fail "the screen keeps changing"
}

# stop_session: ends the prefix's Wine session (the registry is written out).
stop_session() {
    limit 20 wineserver -k >/dev/null 2>&1 || true
    limit 20 wineserver -w >/dev/null 2>&1 || true
}

# saved_value FILE NAME: a value's data as the prefix's registry file keeps it
# (backslashes doubled, NUL characters as \0).
saved_value() {
    grep -a "^\"$2\"=" "$1" | head -n1 | sed "s/^\"$2\"=\"//; s/\"\$//"
}

# The program's path as Windows sees it (drive Z: is the root).
windows_path_of() { echo "Z:$1" | tr / '\\'; }

# seed_settings NAME=VALUE...: text values under the program's settings key.
seed_settings() {
    local pair
    for pair in "$@"; do
        limit 30 wine reg add 'HKCU\Software\Tarvenel\SetLog' /v "${pair%%=*}" /t REG_SZ \
            /d "${pair#*=}" /f >/dev/null 2>&1 || fail "could not seed ${pair%%=*}"
    done
}

# seed_default_time SECONDS: the preset default time that many seconds from
# now, switched on together with automatic arming (without the message), so
# that the program arms at once when it starts. Prints the target's epoch.
seed_default_time() {
    local target
    target=$(($(date +%s) + $1))
    # The target must still be today: the date stays the one of the start.
    [ "$(date -d "@$target" +%F)" = "$(date +%F)" ] || { sleep $(($1 + 2)); target=$(($(date +%s) + $1)); }
    seed_settings AutoOK=1 MsgOK=0 GuDingTime=1 "GuDingH=$(date -d "@$target" +%-H)" \
        "GuDingM=$(date -d "@$target" +%-M)" "GuDingS=$(date -d "@$target" +%-S)"
    echo "$target"
}

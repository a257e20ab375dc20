# Shared by the Windows program's end-to-end tests: a throwaway Wine prefix
# per test, copied from one made once under the build folder, a virtual X
# display of its own, and helpers that poll for state instead of sleeping.
# Source it with BUILD_DIR set to the windows preset's build folder.
set -euo pipefail

E2E_DIR=$BUILD_DIR/e2e
TEMPLATE_PREFIX=$E2E_DIR/template-prefix
EXE=$BUILD_DIR/platform/win32/tarvenel.exe
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Runs a command with a time limit: nothing here may hang the test run.
limit() { timeout --kill-after=5 "$@"; }

# The template prefix: made once, then only copied.
ensure_template_prefix() {
    [ -f "$TEMPLATE_PREFIX/.ready" ] && return 0
    rm -rf "$TEMPLATE_PREFIX"
    mkdir -p "$TEMPLATE_PREFIX"
    (
        export WINEPREFIX=$TEMPLATE_PREFIX
        limit 300 wineboot --init >/dev/null 2>&1 || true
        # Without a window manager every hide would wait for one.
        limit 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        # The forms ask for SimSun (宋体); any installed CJK font will do.
        local cjk
        cjk=$(fc-list :lang=zh family | head -n1 | cut -d, -f1)
        for name in SimSun 宋体 NSimSun; do
            limit 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ /d "${cjk:-WenQuanYi Zen Hei}" /f >/dev/null 2>&1
        done
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
    local fifo=$E2E_DIR/display.$$
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local number
    read -r -t 20 number <"$fifo" || true
    rm -f "$fifo"
    [ -n "${number:-}" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$number
}

# Ends what this test started, and only that.
cleanup() {
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

fail() {
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

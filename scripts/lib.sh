# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs when they are missing. Source it; it defines ensure_packages.

# Packages for building and testing both presets.
TARVENEL_BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev googletest libbenchmark-dev libstb-dev
    g++-mingw-w64-x86-64-posix wine wine64
    # The Linux program, and its headless runs and end-to-end tests.
    qt6-base-dev fonts-wqy-zenhei fonts-wqy-microhei xvfb xdotool trayer imagemagick x11-utils dbus-daemon
    openbox socat
    # What a screen reader sees of the Linux program (AT-SPI).
    at-spi2-core python3-pyatspi
    # The sanitizer build and the fuzz targets (libFuzzer comes with clang's runtimes).
    clang libclang-rt-dev
    # Real time zones for the daylight-saving tests.
    tzdata
    # The packages (scripts/package) and the tools that check them.
    dpkg-dev file nsis lintian desktop-file-utils appstream
)

# ensure_packages PKG...: installs whichever of PKG is missing.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages: ${missing[*]}" >&2
        echo "Install them with:" >&2
        echo "    sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..."
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" >/dev/null
}

# run_windows_program: builds tarvenel.exe and starts it under Wine in a
# prefix of its own under build/windows, in dry-run mode, on a virtual
# display when there is no display.
run_windows_program() {
    local build=build/windows
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target tarvenel
    export WINEPREFIX=$PWD/$build/run-prefix WINEDEBUG=-all WINEARCH=win64
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -d "$WINEPREFIX" ]; then
        echo "Creating the Wine prefix $build/run-prefix ..."
        mkdir -p "$WINEPREFIX"
        timeout 300 wineboot --init >/dev/null 2>&1 || true
        scripts/wine-cjk-fonts
    fi
    TARVENEL_DRY_RUN=$(echo "Z:$PWD/$build/dry-run.log" | tr / '\\')
    export TARVENEL_DRY_RUN
    echo "Dry run: power actions are written to $build/dry-run.log, nothing shuts down."
    if [ -z "${DISPLAY:-}" ]; then
        local fifo number
        fifo=$(mktemp -u)
        mkfifo "$fifo"
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
        RUN_XVFB_PID=$!
        read -r -t 20 number <"$fifo" || true
        rm -f "$fifo"
        export DISPLAY=:$number
        trap 'timeout 20 wineserver -k >/dev/null 2>&1; kill $RUN_XVFB_PID 2>/dev/null' EXIT
        echo "No display: running on the virtual display $DISPLAY (see it with: import -display $DISPLAY -window root shot.png)."
    fi
    wine "$build/platform/win32/tarvenel.exe"
}

# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs when they are missing. Source it; it defines ensure_packages.

# Packages for building and testing both presets.
TARVENEL_BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev googletest libbenchmark-dev libstb-dev
    g++-mingw-w64-x86-64-posix wine wine64
    # The Linux program, and its headless runs and end-to-end tests.
    qt6-base-dev fonts-wqy-zenhei xvfb xdotool trayer imagemagick x11-utils dbus-daemon
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

#!/usr/bin/env bash
# Checks the Debian package the way Debian's tools and a user meet it. It
# builds the package from this build with CPack, then:
#  - the control fields are filled in and the dependencies were computed;
#  - dpkg-deb unpacks it into a scratch root, with each file where the
#    desktop, the software centre and man look, and only the program in bin;
#  - desktop-file-validate, appstreamcli and lintian accept it, and apt
#    could install it here;
#  - the installed program, started as the menu entry starts it, shows the
#    very window of the build tree's program, Chinese text and all (so it
#    found its fonts.conf in share/tarvenel); its autostart entry names the
#    installed binary; every library and font it loaded comes from a package
#    its Depends pull in.
# Usage: deb_test.sh BUILD_DIR VERSION BUILD_TREE_PROGRAM [SCREENSHOT_DIR]
build=$(realpath "$1")
version=$2
reference=$(realpath "$3")
shots_out=${4:-}
source "$(dirname "$0")/../e2e/linux/session.sh"

app_id=org.example.tarvenel
root=$work/root
share=$root/usr/share

step "build the package"
cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
deb=$work/cpack/tarvenel_${version}_amd64.deb
[ -f "$deb" ] || fail "no tarvenel_${version}_amd64.deb; CPack made: $(ls "$work/cpack")"

step "control fields"
for field in Maintainer Section Description Homepage Depends; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the $field field is empty"
done
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6 (>=' <<<"$depends" || fail "Depends were not computed: $depends"
grep -q 'fonts-wqy-zenhei' <<<"$depends" || fail "no Chinese font in Depends: $depends"

step "unpack into a scratch root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb could not unpack it"
for file in usr/bin/tarvenel usr/share/tarvenel/fonts.conf \
    usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/man/man1/tarvenel.1.gz usr/share/doc/tarvenel/copyright \
    usr/share/doc/tarvenel/changelog.gz; do
    [ -f "$root/$file" ] || fail "$file is missing"
done
[ "$(ls "$root/usr/bin")" = tarvenel ] || fail "more than the program in /usr/bin: $(ls "$root/usr/bin")"
for size in 16 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/$app_id.png
    [ "$(identify -format %wx%h "$icon" 2>/dev/null)" = "${size}x$size" ] ||
        fail "no ${size} px icon of ${size}x$size pixels"
done

step "validators"
desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
grep -qF "<release version=\"$version\"" "$share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo names no release $version"
# Warnings fail too. Left are three informational tags: no BIND_NOW and
# no _FORTIFY_SOURCE (the build does not use Debian's hardening flags) and
# the compiler's .comment section that CPack's strip keeps.
lintian --fail-on error,warning "$deb" || fail "lintian"
apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    fail "apt could not install it: $(cat "$work/apt.log")"

# The caption and everything below the date and time lists (whose texts
# follow the clock): buttons, options and credit line, all in 宋体.
same_window() { same_area "$1" "$2" 0 0 376 30 && same_area "$1" "$2" 0 100 376 116; }
# settled NAME: a screenshot of the program once its window is fully drawn.
settled() {
    shot "$1"
    for _ in $(seq 30); do
        sleep 0.3
        mv "$work/$1.png" "$work/$1-before.png"
        shot "$1"
        same_window "$1-before" "$1" && return 0
    done
    fail "the window of $1 keeps changing"
}

step "the build tree's program"
start_session
xdotool mousemove 0 0
program=$reference
start_program
settled reference
ref_x=$wx ref_y=$wy
kill "$app"
wait "$app" 2>/dev/null || true

step "the installed program, started as the menu entry starts it"
command=$(sed -n 's/^Exec=//p' "$share/applications/$app_id.desktop")
program=$(PATH=$root/usr/bin:$PATH command -v "$command") || fail "Exec=$command is not found"
[ "$program" = "$root/usr/bin/tarvenel" ] || fail "Exec=$command starts $program"
start_program
settled installed
[ "$wx,$wy" = "$ref_x,$ref_y" ] || fail "the window is at $wx,$wy, not at $ref_x,$ref_y"
same_window reference installed || fail "the window differs from the build tree's"

step "its autostart entry names the installed binary"
click 24 146 # Check1: start with the session
wait_for 10 xdotool search --onlyvisible --name '^Tarvenel$' || fail "no confirmation box"
xdotool key Return
autostart=$XDG_CONFIG_HOME/autostart/tarvenel.desktop
wait_for 10 grep -qxF "Exec=\"$program\"" "$autostart" ||
    fail "autostart Exec is not the installed binary: $(cat "$autostart" 2>/dev/null)"
desktop-file-validate "$autostart" || fail "the autostart entry does not validate"

step "what it loaded comes from its dependencies"
# The packages Depends pull in, all alternatives included.
wanted=$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed 's/(.*//; s/ //g')
# shellcheck disable=SC2086
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
    --no-breaks --no-replaces --no-enhances $wanted | grep -v '^ ' | sort -u)
owner_of() {
    local path
    # /lib is /usr/lib on Debian, but dpkg knows each file by one of the two.
    for path in "$1" "${1#/usr}" "/usr$1"; do
        dpkg -S "$path" 2>/dev/null | sed 's/: \/.*//; s/:[a-z0-9]*//g; s/, /\n/g' && return
    done
    return 1
}
# Qt's xcb plugin opens libXcursor (and with it libXrender) only when it is
# there, for themed cursors; without it the X server's cursors serve.
loaded=$(awk '$6 ~ /\.so|\/fonts\// { print $6 }' "/proc/$app/maps" | grep -v 'libXcursor\|libXrender' |
    sort -u)
[ -n "$loaded" ] || fail "no library seen in /proc/$app/maps"
for font in $(grep '/fonts/' <<<"$loaded"); do
    fc-query -f '%{lang}\n' "$font" | grep -q 'zh-cn' && break
    font=
done
[ -n "${font:-}" ] || fail "no Chinese font loaded"
strays=
for file in $loaded; do
    owners=$(owner_of "$file") || fail "$file belongs to no package"
    grep -qxFf <(echo "$owners") <<<"$closure" || strays+=" $file ($owners)"
done
[ -z "$strays" ] || fail "loaded from packages that Depends does not pull in:$strays"

keep_shots
echo PASS

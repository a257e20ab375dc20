#!/usr/bin/env bash
# The real program left running for a minute on a private Xvfb display: the
# clock ticks every second and the mouse keeps hovering over the buttons and
# caption images; its resident memory stays within 1 MB of where it was once
# settled.
#   rss_e2e.sh PROGRAM
program=$1
shots_out=
source "$(dirname "$0")/session.sh"

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app/status"; }
hover_round() {
    local point
    for point in "91 115" "285 115" "363 13" "340 13" "200 60"; do
        set -- $point
        xdotool mousemove $((wx + $1)) $((wy + $2))
        sleep 0.1
    done
}

start_session
start_program
step "settling: ten seconds of ticks and hovers"
end=$((SECONDS + 10))
while [ $SECONDS -lt $end ]; do hover_round; done
before=$(rss_kb)
step "a minute more (resident: $before kB)"
rounds=0
end=$((SECONDS + 60))
while [ $SECONDS -lt $end ]; do
    hover_round
    rounds=$((rounds + 1))
done
kill -0 "$app" 2>/dev/null || fail "the program ended"
after=$(rss_kb)
echo "resident after $rounds hover rounds: $after kB"
[ $((after - before)) -le 1024 ] || fail "resident memory grew by $((after - before)) kB in a minute"
echo PASS

#!/usr/bin/env bash
# start_xvfb.sh LOG [XVFB OPTIONS...]: starts a private Xvfb display on a free
# number and prints "NUMBER PID" once a client has opened it; the caller ends
# it by its PID. In a full parallel run a display was once handed to openbox
# that it could not open, and the cause was not found: so the test servers
# start one at a time (they all try the same free numbers), a display is
# handed out only after a client has opened it, and one that cannot be
# opened is started again.
set -uo pipefail
log=$1
shift
exec 9>/tmp/tarvenel-xvfb.lock
flock 9
for attempt in 1 2 3; do
    fifo=$(mktemp -u /tmp/tarvenel-xvfb.XXXXXX)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -nolisten tcp "$@" 3>"$fifo" 9>&- </dev/null >>"$log" 2>&1 &
    pid=$!
    number=""
    read -r -t 20 number <"$fifo"
    rm -f "$fifo"
    if [ -n "$number" ] && DISPLAY=:$number timeout 10 xprop -root >/dev/null 2>&1; then
        echo "$number $pid"
        exit 0
    fi
    echo "start_xvfb.sh: display :${number:-?} could not be opened (try $attempt)" >>"$log"
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
done
exit 1

# Two copies of the program started at the same instant, shared by both
# front ends' hostile-environment tests. Source it after the harness (which
# gives `fail` and `wait_for`).

# race_pair ROUND GATE PID_LIST LOG COMMAND...: starts two copies held at
# a gate (a lock file) that opens for both at once; one must end by itself
# with status 0 while the other still runs. Sets `survivor` to that PID.
race_pair() {
    local round=$1 gate=$2 pid_list=$3 log=$4 a b loser code=0
    shift 4
    exec 6>"$gate"
    flock -x 6
    (flock -s 5 && exec "$@") 5<"$gate" >>"$log" 2>&1 &
    a=$!
    (flock -s 5 && exec "$@") 5<"$gate" >>"$log" 2>&1 &
    b=$!
    printf '%s\n' "$a" "$b" >>"$pid_list"
    sleep 0.05
    flock -u 6
    wait_for 30 eval '! kill -0 $a 2>/dev/null || ! kill -0 $b 2>/dev/null' ||
        fail "race $round: both copies run"
    if kill -0 "$a" 2>/dev/null; then survivor=$a loser=$b; else survivor=$b loser=$a; fi
    wait "$loser" || code=$?
    [ $code = 0 ] || fail "race $round: the second copy ended with $code"
}

# The command line's end-to-end checks that both front ends share. Source it
# after the front end's harness (which gives `fail`), with `cli_program` set
# to the command that runs the program (an array) and `cli_out` to a folder
# for its output. Each check runs the real program as a second process.
source "$(dirname "${BASH_SOURCE[0]}")/program_title.sh"

# cli EXPECTED_CODE ARGS...: one run with a time limit; its output in $out
# and $err (without carriage returns).
cli() {
    local expected=$1 code=0
    shift
    timeout --kill-after=5 60 "${cli_program[@]}" "$@" >"$cli_out/out" 2>"$cli_out/err" || code=$?
    out=$(tr -d '\r' <"$cli_out/out") err=$(tr -d '\r' <"$cli_out/err")
    [ "$code" = "$expected" ] || fail "tarvenel $* ended with $code, not $expected: $out $err"
}

# expect_status LINE: --status answers exactly that.
expect_status() {
    cli 0 --status
    [ "$out" = "$1" ] || fail "status is '$out', not '$1'"
}

# With no copy running: asking and cancelling end with 3, and what only the
# terminal is told (usage, help, version) needs no copy.
check_without_copy() {
    local ask
    for ask in --status --cancel; do
        cli 3 $ask
        [ -z "$out" ] && grep -q '^no running copy' <<<"$err" || fail "$ask said: $out / $err"
    done
    cli 2 --in 5d
    grep -q "^usage: '5d'" <<<"$err" || fail "bad usage said: $err"
    cli 2 --at 24:00
    cli 0 --version
    [ "$out" = "$(program_title)" ] || fail "version: $out"
    cli 0 --help
    grep -q '取消定时关机' <<<"$out" || fail "help: $out"
}

# Arms the running copy 40 s ahead; a second arming is refused.
check_arming() {
    local target
    expect_status idle
    target=$(date -d '+40 sec' '+%F %T')
    cli 0 --at "$target"
    [ "$out" = "armed $target" ] || fail "arming said: $out / $err"
    expect_status "armed $target"
    cli 1 --in 2h
    grep -q '^refused: already armed' <<<"$err" || fail "a second arming said: $err"
}

check_cancel() {
    cli 0 --cancel
    [ "$out" = idle ] || fail "cancel said: $out"
    expect_status idle
}

# A target 10 s ahead is refused in the arm button's words and arms nothing.
check_too_soon() {
    cli 1 --at "$(date -d '+10 sec' '+%T')"
    [ -z "$out" ] && [ "$(head -n1 <<<"$err")" = '设定的关机时间必须在当前时间30秒以后！' ] &&
        grep -q '^refused: .* is less than 30 seconds ahead$' <<<"$err" ||
        fail "too soon said: $out / $err"
    expect_status idle
}

# While the countdown runs (after `countdown_up`, a command that waits for
# its dialog), --status counts and --cancel stops it.
check_countdown_cancel() {
    cli 0 --in 30s
    "$@" || fail "no countdown"
    cli 0 --status
    grep -qE '^counting ([0-9]|10)$' <<<"$out" || fail "status while counting: $out"
    check_cancel
}

# With no copy running, an arming starts one. Read through a pipe: the copy
# it starts must not hold the pipe open. Leaves the target in $armed.
check_arming_starts_a_copy() {
    local start=$SECONDS
    armed=$(timeout --kill-after=5 60 "${cli_program[@]}" --in 10m | timeout 30 tr -d '\r') ||
        fail "arming without a copy failed: $armed"
    [ $((SECONDS - start)) -lt 30 ] || fail "the command waited for the program"
    grep -q '^armed ' <<<"$armed" || fail "arming without a copy said: $armed"
    expect_status "$armed"
}

#!/bin/sh
# klt-cli.exe, the Windows build of the core's command line, run under wine as a user runs it: every
# file verb, the same bytes as the Linux build writes for the same commands, and, given the Linux build's
# simulated radio, a read, a write and the doctor over the Win32 serial port (wine maps a COM port to
# the simulator's pseudo-terminal).
#
# usage: cli_under_wine.sh KLT_CLI_EXE [LINUX_BIN_DIR]
#   LINUX_BIN_DIR: the Linux build's bin folder (klt-cli, klt-radio-sim); without it the comparisons
#   with the Linux build and the serial part are left out, and the script says so.
set -eu

exe=$(readlink -f "$1")
linux=${2:+$(readlink -f "$2")}
model=3
work=$(mktemp -d)
# The wine prefix of the run (make test-windows gives one in the build tree); COM ports go in there.
prefix=${WINEPREFIX:-$HOME/.wine}
sim_pid=
cleanup() {
    if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; fi
    wineserver -k >/dev/null 2>&1 || true
    rm -f "$prefix/dosdevices/com7" "$prefix/dosdevices/com8"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

export WINEDEBUG=-all
# A wine prefix and server of this script's own, the server kept for the whole run: one that ends
# between two commands, or is shared with tests that run beside this one, can drop a client mid-read.
# It opens the simulator's pseudo-terminal as its controlling terminal and lists its objects on the
# hang-up when a simulator goes: its output goes nowhere.
wineboot --init >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 || true

# Runs the Windows program from the work folder, file names relative to it: "win VERB ARGS...".
win() { (cd "$work/win" && wine "$exe" "$@"); }
lin() { (cd "$work/lin" && "$linux/klt-cli" "$@"); }
mkdir -p "$work/win" "$work/lin"

expect_status() {
    want=$1
    shift
    set +e
    "$@" >"$work/out" 2>"$work/err"
    got=$?
    set -e
    [ "$got" -eq "$want" ] || { cat "$work/err" >&2; fail "$* exited $got, not $want"; }
}

# The file verbs, each writing what the next one reads.
run_file_verbs() {
    side=$1 # win or lin
    $side new --model $model -o base.dat
    $side new --model $model -o base.hex
    $side new --model $model -o base.txt
    $side info base.hex >info.out
    $side convert --model $model base.dat converted.hex
    $side report --model $model base.dat >report.out
    $side export --model $model --table channels base.dat channels.csv
    $side export --model $model --table individual-directory base.dat stations.csv
    # A station added in the spreadsheet, taken back into a file.
    printf '1,211234567,HARBOUR\r\n' >>stations.csv
    $side import --model $model --table individual-directory base.dat stations.csv edited.dat
    $side check --model $model base.dat >check.out
    printf 'Port,Name,UserMMSI\r\nCOM7,ALPHA,211000001\r\nCOM43,BRAVO,211000002\r\n' >plan.csv
    $side fleet --model $model --plan plan.csv --dry-run base.dat >fleet.out
}

(cd "$work/win" && run_file_verbs win) || fail "a file verb failed on Windows"
grep -q "checksum" "$work/win/info.out" || fail "info printed no checksum: $(cat "$work/win/info.out")"
grep -q "HARBOUR" "$work/win/edited.dat" || fail "the imported station is not in the file"
# The report keeps its CR LF line ends on Windows too, without a CR added before each.
if grep -q "$(printf '\r\r')" "$work/win/report.out"; then fail "the report's lines end in CR CR LF"; fi
expect_status 0 win diff --model $model base.dat converted.hex
expect_status 1 win diff --model $model base.dat edited.dat
grep -q "HARBOUR" "$work/out" || fail "diff does not name the new station: $(cat "$work/out")"
# A file written again by the same bare name is replaced.
expect_status 0 win convert --model $model base.dat again.hex
expect_status 0 win convert --model $model edited.dat again.hex
expect_status 1 win diff --model $model base.dat again.hex
expect_status 2 win new --model 99 -o x.dat
expect_status 1 win info missing.hex

if [ -z "$linux" ]; then
    echo "cli_under_wine: no Linux build given: the comparison and the serial port are not tested"
    exit 0
fi

(cd "$work/lin" && run_file_verbs lin) || fail "a file verb failed on Linux"
for file in base.dat base.hex base.txt info.out converted.hex report.out channels.csv stations.csv edited.dat \
    check.out fleet.out; do
    cmp -s "$work/win/$file" "$work/lin/$file" || fail "$file differs between the Windows and the Linux build"
done

# The serial port: the simulated radio on a pseudo-terminal, reached from Windows as COM7.
link="$work/radio"
# Serves a simulated radio with the options on a link, reached as a COM port; its pid in sim_pid.
serve_radio() {
    com=$1
    shift
    "$linux/klt-radio-sim" --link "$link" --model $model "$@" >"$work/sim.log" 2>&1 &
    sim_pid=$!
    for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
    [ -e "$link" ] || fail "the simulated radio did not start: $(cat "$work/sim.log")"
    mkdir -p "$prefix/dosdevices"
    ln -sfn "$(readlink -f "$link")" "$prefix/dosdevices/$com"
}
stop_radio() {
    rm -f "$prefix/dosdevices/$1"
    kill "$sim_pid"
    wait "$sim_pid" || true
    sim_pid=
}

serve_radio com7

expect_status 0 win doctor --port COM7 --probe
grep -q "a radio answered the wake-up" "$work/out" || fail "doctor: $(cat "$work/out")"
expect_status 1 win doctor --port COM42
grep -q "not present" "$work/out" || fail "doctor on a missing port: $(cat "$work/out")"

win write --model $model --port COM7 --yes --force edited.dat 2>"$work/write.err" ||
    fail "write over COM7: $(cat "$work/write.err")"
win read --model $model --port COM7 --no-backup -o read.dat 2>"$work/read.err" ||
    fail "read over COM7: $(cat "$work/read.err")"
grep -q "HARBOUR" "$work/win/read.dat" || fail "the radio does not hold the written station"
expect_status 1 win read --model $model --port COM42 --no-backup -o none.dat
grep -q "COM42" "$work/err" || fail "a read on a missing port does not name it: $(cat "$work/err")"
# A fleet of the radio on COM7 and a missing COM43: the one is programmed, the other named as failed.
expect_status 1 win fleet --model $model --plan plan.csv base.dat
grep -q "ALPHA  COM7   211000001  programmed and verified" "$work/out" || fail "fleet: $(cat "$work/out" "$work/err")"
grep -q "BRAVO  COM43  211000002  failed: " "$work/out" || fail "fleet: $(cat "$work/out")"

stop_radio com7

# Ctrl+C in the middle of a read (the console's Ctrl+C event, which wine makes of SIGINT) cancels it;
# the radio sends at the cable's speed, so that the read is still running.
serve_radio com8 --emulate-baud
(cd "$work/win" && exec wine "$exe" read --model $model --port COM8 --no-backup -o cancelled.dat) \
    >"$work/out" 2>"$work/err" &
reader=$!
sleep 3
pkill -INT -f "klt-cli.exe read --model $model --port COM8" || fail "the read to cancel is not running"
set +e
wait "$reader"
status=$?
set -e
[ "$status" -eq 1 ] || fail "a cancelled read exited $status: $(cat "$work/err")"
grep -q "Cancelled." "$work/err" || fail "Ctrl+C did not cancel the read: $(cat "$work/err")"
[ ! -e "$work/win/cancelled.dat" ] || fail "a cancelled read wrote its file"

stop_radio com8
echo "cli_under_wine: every verb ran on Windows and wrote what the Linux build writes; COM7 read, wrote and cancelled"

#!/bin/bash
# Figures printed by scripts/bench.sh (not a test: it asserts nothing).
. "$PW_SOURCE/tests/e2e/lib.sh"
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
stage_sample_payload "$WORK/payload"
make_package "$WORK/Setup.exe" "$PW_SOURCE/examples/sample/setup" "$WORK/payload"
echo "installer.exe          $(stat -c %s "$PW_INSTALLER") bytes"
[ -f "$PW_BUILD/uninstaller.exe" ] && echo "uninstaller.exe        $(stat -c %s "$PW_BUILD/uninstaller.exe") bytes"
echo "sample Setup.exe       $(stat -c %s "$WORK/Setup.exe") bytes"

cp "$PW_HELLO" "$WORK/hello.exe"
for i in 1 2 3 4 5; do
    t0=$(date +%s%N); wine "$WORK/hello.exe" /quiet >/dev/null 2>&1; t1=$(date +%s%N)
    echo $(( (t1 - t0) / 1000000 ))
done | median | sed 's/^/wine start+end of a trivial program  /; s/$/ ms/'
for i in 1 2 3 4 5; do
    start_installer "$WORK/Setup.exe" winxp
    ui wait "Language selection" 60 >/dev/null
    t1=$(date +%s%N)
    echo $(( (t1 - PW_T0) / 1000000 ))
    ui click "Language selection" 2001 -- msgbox "Please confirm" yes >/dev/null
    wait_exit
done | median | sed 's/^/sample start to language dialog       /; s/$/ ms (median of 5, includes the driver polling every 50 ms)/'
pw_stop_all

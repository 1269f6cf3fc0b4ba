# Shared helpers of the end-to-end tests. Expects PW_BUILD, PW_SOURCE,
# PW_PACK, PW_INSTALLER, PW_UIDRIVER, PW_HELLO (set by ctest or by
# scripts/run-sample.sh).
set -u
. "$PW_SOURCE/tests/wine/wine-env.sh"

PW_TEST=$(basename "$0" .sh)
WORK="$PW_BUILD/e2e/$PW_TEST"
rm -rf "$WORK"; mkdir -p "$WORK"
SHOTS="$PW_BUILD/screenshots"
mkdir -p "$SHOTS"
WIN_TEMP="$WINEPREFIX/drive_c/users/$(id -un)/Temp"
mkdir -p "$WIN_TEMP"
PW_FAILS=0

say() { printf '%s: %s\n' "$PW_TEST" "$*"; }
fail() { printf '%s: FAIL: %s\n' "$PW_TEST" "$*" >&2; PW_FAILS=$((PW_FAILS + 1)); }
expect_eq() { [ "$1" == "$2" ] || fail "$3: expected [$2], got [$1]"; }
expect_contains() { case "$1" in *"$2"*) ;; *) fail "$3: [$1] lacks [$2]" ;; esac; }
finish() {
    pw_stop_all
    if [ "$PW_FAILS" -ne 0 ]; then say "$PW_FAILS failure(s)"; exit 1; fi
    say "passed"; exit 0
}

# The sample payload with the built program and an empty folder.
stage_sample_payload() {
    local dst="$1"
    rm -rf "$dst"; mkdir -p "$dst"
    cp -r "$PW_SOURCE/examples/sample/payload/." "$dst/"
    mkdir -p "$dst/Tools" "$dst/Data/Empty"
    cp "$PW_HELLO" "$dst/Tools/hello.exe"
}

# A copy of the sample setup folder to change for one test.
copy_sample_setup() {
    rm -rf "$1"; mkdir -p "$1"
    cp -r "$PW_SOURCE/examples/sample/setup/." "$1/"
}

# make_package OUT.exe SETUP_DIR PAYLOAD_DIR
make_package() {
    "$PW_PACK" --stub "$PW_INSTALLER" --setup "$2" --payload "$3" --out "$1" >/dev/null || fail "pack $1"
}

# Names of the numbered working folders now in the temporary directory.
working_folders() {
    ls -1 "$WIN_TEMP" 2>/dev/null | grep -E '^[0-9]+$' | sort || true
}

# Runs a UI driver command line (commands separated by --).
# The output goes through a file, not a pipe: a Wine helper process started
# on the way (the desktop) would inherit a pipe and keep it open.
ui() {
    local out="$WORK/.ui.$$.out" rc
    wine "$PW_UIDRIVER" "$@" > "$out" 2>&1 < /dev/null
    rc=$?
    tr -d '\r' < "$out"
    rm -f "$out"
    return $rc
}

# start_installer EXE [VERSION]: starts it in the background under a name
# of its own so that the chosen Windows version applies to it alone.
PW_PIDS=()
start_installer() {
    local exe="$1" version="${2:-winxp}"
    local run="$WORK/$(basename "$exe" .exe)-$version.exe"
    cp "$exe" "$run"
    pw_wine_version "$(basename "$run")" "$version"
    PW_HANDOVER="$WORK/handover.txt"
    rm -f "$PW_HANDOVER"
    PW_T0=$(date +%s%N)
    PACKWRIGHT_HANDOVER_FILE="$(winepath -w "$PW_HANDOVER" 2>/dev/null)" wine "$run" >/dev/null 2>&1 &
    PW_PID=$!
    PW_PIDS+=("$PW_PID")
}

# wait_exit [PID] [SECONDS]: waits for the installer to end; fails on timeout.
wait_exit() {
    local pid="${1:-$PW_PID}" limit="${2:-60}" i=0
    while kill -0 "$pid" 2>/dev/null; do
        i=$((i + 1))
        if [ $i -gt $((limit * 20)) ]; then fail "installer still running after ${limit}s"; kill -9 "$pid"; return 1; fi
        sleep 0.05
    done
    wait "$pid" 2>/dev/null
    return 0
}

pw_stop_all() {
    # SIGKILL: a Windows process may outlive SIGTERM and keep the
    # single-instance mutex, which would fail every later test.
    for p in "${PW_PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done
    # Windows processes of the test end with the wine processes above;
    # make sure no installer keeps the single-instance mutex.
    for p in "${PW_PIDS[@]}"; do wait "$p" 2>/dev/null; done
    return 0
}

# shot TITLE NAME: screenshot of a window as PNG under the build folder.
shot() {
    local bmp="$WORK/$2.bmp"
    ui shot "$1" "$(winepath -w "$bmp")" >/dev/null || { fail "screenshot $2"; return; }
    convert "$bmp" "$SHOTS/$2.png" 2>/dev/null || cp "$bmp" "$SHOTS/$2.bmp"
}

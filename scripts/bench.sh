#!/bin/bash
# Prints the product's figures: executable sizes, and how long the sample
# Setup.exe takes under Wine from start to the language dialog (median of
# five runs), beside the time Wine needs to start and end a trivial
# program. Uses the trees built by scripts/build.sh.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
B=${PW_BUILD_ROOT:-$ROOT/build}
export PW_BUILD=$B/win PW_SOURCE=$ROOT PW_PACK=$B/native/tools/pack/pack \
       PW_INSTALLER=$B/win/installer.exe PW_UIDRIVER=$B/win/tests/uidriver/uidriver.exe PW_HELLO=$B/win/hello.exe
exec bash "$ROOT/tests/e2e/bench_run.sh"

#!/bin/bash
# Runs end-to-end tests by hand, outside ctest: tests/e2e/run.sh NAME...
# (NAME without _test.sh). Uses the trees under $PW_BUILD_ROOT (default build/).
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
B=${PW_BUILD_ROOT:-$ROOT/build}
export PW_BUILD=$B/win PW_SOURCE=$ROOT PW_PACK=$B/native/tools/pack/pack \
       PW_INSTALLER=$B/win/installer.exe PW_UIDRIVER=$B/win/tests/uidriver/uidriver.exe PW_HELLO=$B/win/hello.exe
rc=0
for t in "$@"; do bash "$ROOT/tests/e2e/${t%_test.sh}_test.sh" || rc=1; done
exit $rc

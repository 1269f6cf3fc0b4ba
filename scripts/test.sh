#!/bin/bash
# The full test run: installs what is missing, builds both trees, then runs
# the native suite (ASan + UBSan) and the Windows-side suites under Wine
# (unit tests against the real Wine registry and file system, and the
# end-to-end runs of packed Setup.exe files driven by the UI driver).
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
B=${PW_BUILD_ROOT:-$ROOT/build}
"$ROOT/scripts/build.sh" || exit 1
rc=0
echo "== native tests"
ctest --test-dir "$B/native" -j "$(nproc)" --output-on-failure || rc=1
echo "== Windows tests under Wine"
ctest --test-dir "$B/win" -j "$(nproc)" --output-on-failure --timeout 600 || rc=1
echo "== installer size: $(stat -c %s "$B/win/installer.exe") bytes"
[ $rc -eq 0 ] && echo "ALL TESTS PASSED" || echo "SOME TESTS FAILED"
exit $rc

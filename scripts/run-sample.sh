#!/bin/bash
# The main job on the embedded default: packs the bundled sample package
# into build/sample/Setup.exe and runs it under Wine on a virtual display,
# driving it with the UI driver as far as the product goes today, and
# prints what happened. Screenshots land in build/win/screenshots.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
B=${PW_BUILD_ROOT:-$ROOT/build}
"$ROOT/scripts/build.sh" >/dev/null || { echo "build failed"; exit 1; }
export PW_BUILD=$B/win PW_SOURCE=$ROOT PW_PACK=$B/native/tools/pack/pack \
       PW_INSTALLER=$B/win/installer.exe PW_UIDRIVER=$B/win/tests/uidriver/uidriver.exe PW_HELLO=$B/win/hello.exe
exec bash "$ROOT/tests/e2e/sample_run.sh"

#!/bin/bash
# Installs what is missing, then builds both trees:
#   build/native  the portable core, pack, the native tests (ASan+UBSan)
#   build/win     installer.exe, the Windows-side tests, the UI driver
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/setup-deps.sh"
JOBS=$(nproc)
# PW_BUILD_ROOT lets several checkouts or sessions keep trees of their own.
B=${PW_BUILD_ROOT:-$ROOT/build}
cmake -S "$ROOT" -B "$B/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$B/native" -j "$JOBS"
cmake -S "$ROOT" -B "$B/win" -DCMAKE_BUILD_TYPE=MinSizeRel \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
      -DPW_NATIVE_BUILD="$B/native" >/dev/null
cmake --build "$B/win" -j "$JOBS"

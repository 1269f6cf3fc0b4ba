#!/bin/bash
# Installs what is missing, then builds both trees:
#   build/native  the portable core, pack, the native tests (ASan+UBSan)
#   build/win     installer.exe, the Windows-side tests, the UI driver
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/setup-deps.sh"
JOBS=$(nproc)
cmake -S "$ROOT" -B "$ROOT/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$ROOT/build/native" -j "$JOBS"
cmake -S "$ROOT" -B "$ROOT/build/win" -DCMAKE_BUILD_TYPE=MinSizeRel \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
      -DPW_NATIVE_BUILD="$ROOT/build/native" >/dev/null
cmake --build "$ROOT/build/win" -j "$JOBS"

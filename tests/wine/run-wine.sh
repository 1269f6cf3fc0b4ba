#!/bin/bash
# Runs a Windows executable under Wine: run-wine.sh EXE [ARGS...].
# PW_WINE_VERSION (default winxp) is the Windows version Wine reports to
# it; the executable is copied to a name of its own per version so that
# tests with different versions may run at the same time.
set -u
exe=$(readlink -f "$1"); shift
if [ -z "${PW_BUILD:-}" ]; then
    d=$(dirname "$exe")
    while [ "$d" != / ] && [ ! -f "$d/CMakeCache.txt" ]; do d=$(dirname "$d"); done
    PW_BUILD=$d
fi
export PW_BUILD
. "$(dirname "$(readlink -f "$0")")/wine-env.sh"
version=${PW_WINE_VERSION:-winxp}
stem=$(basename "$exe" .exe)
copy="$(dirname "$exe")/$stem.$version.exe"
if [ ! -f "$copy" ] || [ "$exe" -nt "$copy" ]; then cp "$exe" "$copy.tmp$$" && mv "$copy.tmp$$" "$copy"; fi
pw_wine_version "$(basename "$copy")" "$version"
exec wine "$copy" "$@"

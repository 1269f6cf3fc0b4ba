#!/bin/sh
# Installs every package the two build trees and the Wine test rig need,
# and fetches the minizip sources (Debian's zlib source package) into
# third_party/src for the Windows build. Safe to run again: it only acts
# on what is missing.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

PKGS="g++-mingw-w64-i686 libz-mingw-w64-dev wine wine32:i386 wine64 xvfb \
zlib1g-dev libminizip-dev libgtest-dev googletest cmake make g++ \
imagemagick python3 dpkg-dev fonts-dejavu-core util-linux"

missing=""
for p in $PKGS; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "setup: installing$missing"
    if ! dpkg --print-foreign-architectures | grep -q i386; then
        $SUDO dpkg --add-architecture i386
    fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

# minizip sources for the cross build, from the zlib source package.
SRC="$ROOT/third_party/src"
if [ ! -f "$SRC/minizip/unzip.c" ]; then
    SRCLIST=/etc/apt/sources.list.d/project-src.sources
    if [ ! -f "$SRCLIST" ]; then
        if [ -f /etc/apt/sources.list.d/debian.sources ]; then
            # Only the first (main) stanza carries the zlib source.
            awk 'NF==0{exit} {print}' /etc/apt/sources.list.d/debian.sources \
              | sed 's/^Types: deb$/Types: deb-src/' | $SUDO tee "$SRCLIST" >/dev/null
        else
            grep -E '^deb ' /etc/apt/sources.list | head -1 | sed 's/^deb /deb-src /' \
              | $SUDO tee /etc/apt/sources.list.d/project-src.list >/dev/null
        fi
        $SUDO apt-get update -qq
    fi
    TMP=$(mktemp -d)
    (cd "$TMP" && apt-get source -qq --download-only zlib >/dev/null && \
        dpkg-source -x --no-check ./*.dsc zsrc >/dev/null)
    mkdir -p "$SRC/minizip"
    cp "$TMP"/zsrc/contrib/minizip/*.c "$TMP"/zsrc/contrib/minizip/*.h "$SRC/minizip/"
    rm -rf "$TMP"
    echo "setup: minizip sources in $SRC/minizip"
fi

# Sourced by the Wine wrappers: sets up the Wine prefix inside the build
# tree (once), a virtual display when none is set, and a persistent
# wineserver. Needs PW_BUILD, the Windows build tree.
: "${PW_BUILD:?PW_BUILD must name the Windows build tree}"
export WINEPREFIX="$PW_BUILD/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win32
# No downloads of the browser or .NET runtimes when the prefix is made.
export WINEDLLOVERRIDES="mscoree=;mshtml="

pw_wine_setup() {
    if [ -z "${DISPLAY:-}" ]; then
        dispfile="$PW_BUILD/wine-display"
        if [ -f "$dispfile" ]; then
            read -r n pid < "$dispfile"
            if ! kill -0 "$pid" 2>/dev/null; then n=""; fi
        else
            n=""
        fi
        if [ -z "$n" ]; then
            n=91
            while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
            setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
            pid=$!
            i=0
            while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i + 1)); done
            echo "$n $pid" > "$dispfile"
        fi
        export DISPLAY=":$n"
    fi
    if [ ! -f "$WINEPREFIX/.pw-ready" ]; then
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
        touch "$WINEPREFIX/.pw-ready"
    fi
    if [ ! -f "$WINEPREFIX/.pw-unmanaged" ]; then
        # There is no window manager on the virtual display: unmanaged
        # windows spare the 2-second wait Wine otherwise spends on every
        # hidden or destroyed top-level window for a manager's answer.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        touch "$WINEPREFIX/.pw-unmanaged"
    fi
    wineserver -p >/dev/null 2>&1 || true
}

mkdir -p "$PW_BUILD"
exec 9>"$PW_BUILD/wine-setup.lock"
flock 9
pw_wine_setup
flock -u 9
exec 9>&-

# Makes Wine report the given Windows version (win98, nt40, winxp, vista,
# ...) to executables of the given file name.
pw_wine_version() {
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$1" /v Version /d "$2" /f >/dev/null 2>&1
}

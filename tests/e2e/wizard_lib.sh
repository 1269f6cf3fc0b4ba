# Helpers of the wizard's end-to-end tests, on top of lib.sh.
. "$PW_SOURCE/tests/e2e/lib.sh"

# The caption of the sample's wizard window.
SAMPLE_TITLE="Packwright Sample v.1.2 Setup"

# start_wizard EXE [VERSION]: like start_installer, but the installer goes
# on into the wizard instead of recording the hand-over.
start_wizard() {
    local exe="$1" version="${2:-winxp}"
    local run="$WORK/$(basename "$exe" .exe)-$version.exe"
    cp "$exe" "$run"
    pw_wine_version "$(basename "$run")" "$version"
    PW_T0=$(date +%s%N)
    env -u PACKWRIGHT_HANDOVER_FILE wine "$run" >/dev/null 2>&1 &
    PW_PID=$!
    PW_PIDS+=("$PW_PID")
}

# choose_language LANGUAGE: answers the language dialog.
choose_language() {
    ui wait "Language selection" 60 >/dev/null || { fail "no language dialog"; return 1; }
    ui select "Language selection" 2003 "$1" -- click "Language selection" 2002 >/dev/null || fail "choose $1"
}

# setup_with DIR KEY=VALUE...: a copy of the sample setup whose install
# script has the given keys set (replaced where present, else added to
# the section named as SECTION.KEY=VALUE).
setup_with() {
    local dir="$1"
    shift
    copy_sample_setup "$dir"
    python3 - "$dir/Config/Script.ini" "$@" <<'PY'
import sys
path = sys.argv[1]
data = open(path, 'rb').read().decode('cp1252')
lines = data.split('\r\n')
for setting in sys.argv[2:]:
    key, value = setting.split('=', 1)
    section, key = key.split('.', 1)
    out, cur, done, sec_end = [], None, False, None
    for i, line in enumerate(lines):
        s = line.strip()
        if s.startswith('['):
            cur = s[1:s.index(']')]
        elif cur and cur.lower() == section.lower() and '=' in s and s.split('=', 1)[0].strip().lower() == key.lower():
            if value != '<delete>':
                out.append(key + '=' + value)
            done = True
            continue
        out.append(line)
    if not done and value != '<delete>':
        idx = next((i for i, l in enumerate(out) if l.strip().lower() == '[' + section.lower() + ']'), None)
        if idx is None:
            out += ['[' + section + ']', key + '=' + value]
        else:
            out.insert(idx + 1, key + '=' + value)
    lines = out
open(path, 'wb').write('\r\n'.join(lines).encode('cp1252'))
PY
}

# page_shown TITLE: the number of the page whose container is visible.
page_shown() {
    local p id
    for p in 0 1 2 3 4 5 6; do
        id=$((p == 0 ? 10 : p * 50))
        case "$(ui state "$1" $id)" in *visible=1*) echo "$p"; return ;; esac
    done
    echo none
}

# expect_page TITLE PAGE WHAT: waits until the page shows.
expect_page() {
    ui waitstate "$1" $(($2 == 0 ? 10 : $2 * 50)) "visible=1" 30 >/dev/null 2>&1 ||
        fail "$3: expected page $2, shown $(page_shown "$1")"
}

# expect_state TITLE ID TEXT WHAT: waits until the element's state line
# (see the UI driver's state command) contains TEXT.
expect_state() {
    ui waitstate "$1" "$2" "$3" 30 >/dev/null 2>&1 || fail "$4: [$(ui state "$1" "$2")] lacks [$3]"
}

# cancel_wizard TITLE: Cancel, confirmed with Yes; the installer ends.
cancel_wizard() {
    ui click "$1" 0 >/dev/null
    ui msgbox "Please confirm" yes 30 >/dev/null || fail "no cancel confirmation"
    wait_exit
}

# shot_of TITLE CLASS NAME: like shot, for the window of that class when
# several windows share the title.
shot_of() {
    local bmp="$WORK/$3.bmp"
    ui shot "$1" "$(winepath -w "$bmp")" "$2" >/dev/null || { fail "screenshot $3"; return; }
    convert "$bmp" "$SHOTS/$3.png" 2>/dev/null || cp "$bmp" "$SHOTS/$3.bmp"
}

# wizard_tour TITLE PREFIX: walks the wizard from the welcome page to the
# finish page with Next (agreeing to the license on the way), reports and
# photographs every page as PREFIX-<page>-<name>.png, then presses Finish.
wizard_tour() {
    local t="$1" prefix="$2" page names=(welcome license readme destination group installation finish)
    ui wait "$t" 60 >/dev/null || { fail "no wizard window \"$t\""; return 1; }
    for _ in 1 2 3 4 5 6 7; do
        page=$(page_shown "$t")
        case "$page" in
            0) say "page 0 welcome: $(ui text "$t" 13)" ;;
            1) say "page 1 license: $(ui text "$t" 53 | head -1)" ;;
            2) say "page 2 read-me: $(ui text "$t" 102 | head -1)" ;;
            3) say "page 3 destination: $(ui text "$t" 153); $(ui text "$t" 155); $(ui text "$t" 156)" ;;
            4) say "page 4 group: $(ui text "$t" 204)" ;;
            6) say "page 6 finish, options: $(ui items "$t" 303 | cut -f2 | paste -sd '|')" ;;
            *) fail "unexpected page $page"; return 1 ;;
        esac
        shot "$t" "$prefix-$page-${names[$page]}"
        [ "$page" = 6 ] && break
        [ "$page" = 1 ] && ui check "$t" 52 1 >/dev/null
        ui click "$t" 1 -- waitstate "$t" $((page == 0 ? 10 : page * 50)) "visible=0" 30 >/dev/null ||
            { fail "Next left page $page shown"; return 1; }
    done
    ui click "$t" 5 >/dev/null
    wait_exit "$PW_PID" 120
}

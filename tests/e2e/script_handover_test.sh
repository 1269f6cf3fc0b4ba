#!/bin/bash
# After the language choice the installer loads the message table, the
# statistics file and the install script of the package; the script file
# is deleted once read. A language file that cannot be read stops with the
# built-in error; a package without a statistics file or without a script
# stops with the message of the chosen language. None leaves a working
# folder behind.
. "$PW_SOURCE/tests/e2e/lib.sh"

stage_sample_payload "$WORK/payload"
make_package "$WORK/Setup.exe" "$PW_SOURCE/examples/sample/setup" "$WORK/payload"
before=$(working_folders)

start_installer "$WORK/Setup.exe" winxp
ui wait "Language selection" 60 >/dev/null || fail "no language dialog"
ui select "Language selection" 2003 English -- click "Language selection" 2002 >/dev/null || fail "choose English"
wait_exit
record=$(tr -d '\r' < "$PW_HANDOVER" 2>/dev/null)
expect_contains "$record" "\\Information\\Languages\\English.ini" "handed-over file"
expect_contains "$record" "AppName=Packwright Sample" "application name from the script"
expect_contains "$record" "Message54=Welcome to the Packwright Sample version 1.2 installation wizard." "message 54 substituted"
expect_contains "$record" "InstallTasks=12" "install tasks"
expect_contains "$record" "ScriptLeft=0" "script deleted after reading"
payload_bytes=$(find "$WORK/payload" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
expect_contains "$record" "RequiredSpace=$payload_bytes" "required space from the statistics file"
expect_eq "$(working_folders)" "$before" "working folders after the cleanup exit"

# The chosen language file vanishes while the dialog shows: the built-in
# error, then the cleanup exit.
start_installer "$WORK/Setup.exe" winxp
ui wait "Language selection" 60 >/dev/null || fail "no language dialog"
wf="$WIN_TEMP/$(comm -13 <(echo "$before") <(working_folders) | head -1)"
rm -f "$wf/Information/Languages/English.ini"
ui select "Language selection" 2003 English -- click "Language selection" 2002 >/dev/null || fail "choose English"
expect_eq "$(ui msgbox "Error" ok 60)" "Could not read the localization file from the temporary directory!" \
    "language file gone: error text"
wait_exit
[ -f "$PW_HANDOVER" ] && fail "language file gone: went on after the error"
expect_eq "$(working_folders)" "$before" "language file gone: working folders after the cleanup exit"

# Broken packages made by hand: one language, so no dialog.
printf 'payload' > "$WORK/file.txt"
python3 "$PW_SOURCE/tests/e2e/raw_package.py" zip "$WORK/payload.zip" "Data/file.txt=$WORK/file.txt"
printf '\x10\x00\x00\x00\x00\x00\x00\x00' > "$WORK/Statistics.ini"
lang="Languages/English.ini=$PW_SOURCE/examples/sample/setup/Languages/English.ini"
script="Config/Script.ini=$PW_SOURCE/examples/sample/setup/Config/Script.ini"

# broken_package NAME TEXT ZIP-ENTRIES...: the installer shows an error
# box titled by message 0 with TEXT and ends without a working folder.
broken_package() {
    local name="$1" text="$2"
    shift 2
    python3 "$PW_SOURCE/tests/e2e/raw_package.py" zip "$WORK/$name.zip" "$@"
    python3 "$PW_SOURCE/tests/e2e/raw_package.py" join "$WORK/$name.exe" "$PW_INSTALLER" "$WORK/$name.zip" "$WORK/payload.zip"
    start_installer "$WORK/$name.exe" winxp
    expect_eq "$(ui msgbox "Error" ok 60)" "$text" "$name: error text"
    wait_exit
    [ -f "$PW_HANDOVER" ] && fail "$name: went on after the error"
    expect_eq "$(working_folders)" "$before" "$name: working folders after the cleanup exit"
}
broken_package no-script "Could not read installation script from the temporary directory!" \
    "$lang" "Config/Statistics.ini=$WORK/Statistics.ini"
broken_package no-statistics "Could not read the statistics file." "$lang" "$script"
broken_package short-statistics "Could not read the statistics file." "$lang" "$script" "Config/Statistics.ini=@1234"
finish

#!/bin/bash
# One language skips the dialog; a second instance is refused and leaves
# the first one's working folder alone; Windows 95 and NT 3.51 are refused.
. "$PW_SOURCE/tests/e2e/lib.sh"

stage_sample_payload "$WORK/payload"
before=$(working_folders)

# A package with one language hands over without a dialog.
copy_sample_setup "$WORK/one"
rm "$WORK/one/Languages/Deutsch.ini"
make_package "$WORK/One.exe" "$WORK/one" "$WORK/payload"
start_installer "$WORK/One.exe" winxp
wait_exit
expect_contains "$(cat "$PW_HANDOVER" 2>/dev/null)" "\\Information\\Languages\\English.ini" "single language handed over"
expect_eq "$(working_folders)" "$before" "no working folder after the single-language run"

# A second instance while the first shows its language dialog.
make_package "$WORK/Setup.exe" "$PW_SOURCE/examples/sample/setup" "$WORK/payload"
start_installer "$WORK/Setup.exe" winxp
first=$PW_PID
ui wait "Language selection" 60 >/dev/null || fail "first instance has no dialog"
first_folder=$(comm -13 <(echo "$before") <(working_folders))
start_installer "$WORK/Setup.exe" win2k
second=$PW_PID
msg=$(ui msgbox "Kestraline Packwright" ok 60) || fail "no single-instance message"
expect_eq "$msg" "Another installation driven by KSW is in progress. Please finish the active installation and run this installer again." "single-instance text"
wait_exit "$second"
expect_eq "$(comm -13 <(echo "$before") <(working_folders))" "$first_folder" "the first instance's folder is untouched"
[ -f "$WIN_TEMP/$first_folder/Information/Config/Script.ini" ] || fail "first instance's setup data is gone"
ui click "Language selection" 2001 -- msgbox "Please confirm" yes >/dev/null || fail "cancel the first instance"
wait_exit "$first"
expect_eq "$(working_folders)" "$before" "no working folder after cancelling"

# Too old: the compatibility message comes first and nothing is created.
for v in win95 nt351; do
    start_installer "$WORK/Setup.exe" $v
    msg=$(ui msgbox "Compatibility problem" ok 60) || fail "$v: no compatibility message"
    expect_eq "$msg" "We are sorry, Kestraline Packwright was designed for newer operating systems. Please upgrade your operating system!" "$v text"
    wait_exit
    expect_eq "$(working_folders)" "$before" "$v leaves no folder"
done

# NT 4, 98 and ME go on without the administrator test.
for v in nt40 win98 winme; do
    start_installer "$WORK/Setup.exe" $v
    ui wait "Language selection" 60 >/dev/null || fail "$v: no language dialog"
    ui click "Language selection" 2002 >/dev/null
    wait_exit
    expect_contains "$(cat "$PW_HANDOVER" 2>/dev/null)" "English.ini" "$v hands over English"
done
finish

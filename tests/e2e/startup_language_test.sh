#!/bin/bash
# The sample package reaches the language dialog with English preselected,
# hands over the chosen file and leaves no working folder behind.
. "$PW_SOURCE/tests/e2e/lib.sh"

stage_sample_payload "$WORK/payload"
make_package "$WORK/Setup.exe" "$PW_SOURCE/examples/sample/setup" "$WORK/payload"
before=$(working_folders)

start_installer "$WORK/Setup.exe" winxp
ui wait "Language selection" 60 >/dev/null || fail "no language dialog"
t1=$(date +%s%N)
say "start to language dialog: $(( (t1 - PW_T0) / 1000000 )) ms"

expect_eq "$(ui text "Language selection" 2003)" "English" "preselected language"
expect_eq "$(ui combo "Language selection" 2003 | sort | tr '\n' ,)" "Deutsch,English," "combo box items"
expect_eq "$(ui text "Language selection" 2000)" \
  "Please choose your language from the list below. The installation will continue with the selected language." "dialog text"
expect_eq "$(ui text "Language selection" 2002)" "OK" "OK button"
# While the dialog shows, the working folder holds the extracted setup data
# and the payload copy, and no setup-data copy.
now=$(comm -13 <(echo "$before") <(working_folders))
expect_eq "$(echo "$now" | grep -c .)" "1" "one new working folder"
wf="$WIN_TEMP/$now"
[ -f "$wf/Information/Config/Script.ini" ] || fail "script not extracted"
[ -f "$wf/Information/Languages/Deutsch.ini" ] || fail "language files not extracted"
[ -f "$wf/Information/Resources/WizBitmap.bmp" ] || fail "bitmaps not extracted"
expect_eq "$(ls "$wf" | grep -c '\.tmp$')" "1" "only the payload copy remains as .tmp"
shot "Language selection" language-dialog

ui select "Language selection" 2003 Deutsch -- click "Language selection" 2002 >/dev/null || fail "choose Deutsch"
wait_exit
expect_contains "$(cat "$PW_HANDOVER" 2>/dev/null)" "\\Information\\Languages\\Deutsch.ini" "handed-over file"
expect_eq "$(working_folders)" "$before" "working folders after the cleanup exit"
finish

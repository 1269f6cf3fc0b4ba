#!/bin/bash
# The sample package from the language dialog through every page to the
# finish page: texts, fields, buttons and navigation of each page, a
# screenshot of each, and Finish ending through the cleanup exit.
. "$PW_SOURCE/tests/e2e/wizard_lib.sh"

T="$SAMPLE_TITLE"
stage_sample_payload "$WORK/payload"
make_package "$WORK/Setup.exe" "$PW_SOURCE/examples/sample/setup" "$WORK/payload"
before=$(working_folders)

start_wizard "$WORK/Setup.exe" winxp
choose_language English
ui wait "$T" 60 >/dev/null || fail "no wizard window"
wf="$WIN_TEMP/$(comm -13 <(echo "$before") <(working_folders) | head -1)"

# Welcome page. The setup data is gone from disk once the window shows.
expect_page "$T" 0 "first page"
[ -e "$wf/Information" ] && fail "Information folder still on disk"
expect_eq "$(ui text "$T" 13)" "Welcome to the Packwright Sample version 1.2 installation wizard." "welcome heading"
expect_contains "$(ui state "$T" 2)" "enabled=0" "Previous on the welcome page"
expect_contains "$(ui state "$T" 5)" "visible=0" "Finish before the finish page"
expect_eq "$(ui text "$T" 4)" "http://www.example.com/packwright" "web link"
expect_eq "$(ui v6 "$T" 1)" "1" "buttons of the common controls 6 (manifest)"
shot "$T" wizard-0-welcome

# License page: Next follows the agreement box.
ui click "$T" 1 >/dev/null
expect_page "$T" 1 "after Next on the welcome page"
expect_contains "$(ui text "$T" 53)" "PACKWRIGHT SAMPLE LICENCE" "license text"
expect_contains "$(ui state "$T" 1)" "enabled=0" "Next before agreeing"
shot "$T" wizard-1-license
ui check "$T" 52 1 >/dev/null
expect_state "$T" 1 "enabled=1" "Next after agreeing"
ui check "$T" 52 0 >/dev/null
expect_state "$T" 1 "enabled=0" "Next after unticking"
ui click "$T" 2 >/dev/null
expect_page "$T" 0 "Previous on the license page"
expect_state "$T" 1 "enabled=1" "Next back on the welcome page"
ui click "$T" 1 >/dev/null
expect_page "$T" 1 "license page again"
ui check "$T" 52 1 -- click "$T" 1 >/dev/null

# Read-me page.
expect_page "$T" 2 "after the license page"
expect_contains "$(ui text "$T" 102)" "Packwright Sample 1.2" "read-me text"
shot "$T" wizard-2-readme
ui click "$T" 1 >/dev/null

# Destination page: default path, space texts.
expect_page "$T" 3 "after the read-me page"
expect_eq "$(ui text "$T" 153)" 'C:\Program Files\Packwright Sample\' "install path"
payload_bytes=$(find "$WORK/payload" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
required=$(python3 -c "print('%.1f KB' % ($payload_bytes / 1024))")
expect_eq "$(ui text "$T" 156)" "Required space: $required" "required space"
expect_contains "$(ui text "$T" 155)" "Available space: " "free space"
expect_contains "$(ui state "$T" 154)" "enabled=1" "Browse"
shot "$T" wizard-3-destination
ui click "$T" 1 >/dev/null

# Group page: the list starts with an empty item; the field is disabled.
expect_page "$T" 4 "after the destination page"
group=$(ui text "$T" 204)
expect_contains "$group" 'Start Menu\Programs\Packwright Sample\' "group field"
expect_contains "$(ui state "$T" 204)" "enabled=0" "group field disabled"
expect_eq "$(ui items "$T" 206 | head -1)" "" "empty first group item"
shot "$T" wizard-4-group
ui click "$T" 2 >/dev/null
expect_page "$T" 3 "Previous on the group page"
ui click "$T" 1 >/dev/null
expect_page "$T" 4 "Next again"
ui click "$T" 1 >/dev/null

# Finish page: only Finish; the sample offers a run, a shortcut and an
# internet link, all ticked.
expect_page "$T" 6 "after the group page"
for b in 0 1 2; do expect_contains "$(ui state "$T" $b)" "visible=0" "button $b on the finish page"; done
expect_contains "$(ui state "$T" 5)" "visible=1" "Finish button"
expect_eq "$(ui items "$T" 303 | tr '\t\n' ':|')" \
    "1:Run Packwright Sample|1:Create shortcut on the Desktop for Packwright Sample|1:Create internet link on the Desktop|" \
    "finish options"
shot "$T" wizard-6-finish
ui click "$T" 5 >/dev/null
wait_exit
expect_eq "$(working_folders)" "$before" "working folders after Finish"
finish

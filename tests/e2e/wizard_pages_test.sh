#!/bin/bash
# Navigation and fields of the wizard under scripts that switch pages and
# elements on and off, each on a small package of its own.
. "$PW_SOURCE/tests/e2e/wizard_lib.sh"

T="$SAMPLE_TITLE"
stage_sample_payload "$WORK/payload"
before=$(working_folders)
ALL_PROGRAMS="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"

# Package A: license without read-me, fixed path, blank website, hidden
# opt-out box, no finish options.
setup_with "$WORK/setup-a" FilesAndSettings.RequireReadme=0 iConfig.PathChangeable=0 \
    "GeneralInformation.Website=   " iConfig.ForceGroupCreation=0 \
    InstTasks.Task9='<delete>' InstTasks.Task10='<delete>' InstTasks.Task11='<delete>'
# Its license text ends at a zero byte.
printf 'Short licence\0hidden tail' > "$WORK/setup-a/Resources/License.txt"
make_package "$WORK/a.exe" "$WORK/setup-a" "$WORK/payload"
start_wizard "$WORK/a.exe" winxp
choose_language English
ui wait "$T" 60 >/dev/null || fail "A: no wizard window"
expect_contains "$(ui state "$T" 4)" "visible=0" "A: web link of a blank website"
# Cancel answered No stays on the page.
ui click "$T" 0 >/dev/null
ui msgbox "Please confirm" no 30 >/dev/null || fail "A: no cancel question"
expect_page "$T" 0 "A: after Cancel and No"
# Next walks 0 -> 1 -> 3 -> 4, Previous 4 -> 3 -> 1 -> 0.
ui click "$T" 1 >/dev/null
expect_page "$T" 1 "A: Next on the welcome page"
expect_eq "$(ui text "$T" 53)" "Short licence" "A: license text up to the zero byte"
ui check "$T" 52 1 -- click "$T" 1 >/dev/null
expect_page "$T" 3 "A: Next on the license page"
ui click "$T" 1 >/dev/null
expect_page "$T" 4 "A: Next on the destination page"
expect_contains "$(ui state "$T" 205)" "visible=0" "A: opt-out box hidden"
ui click "$T" 2 >/dev/null
expect_page "$T" 3 "A: Previous on the group page"
ui click "$T" 2 >/dev/null
expect_page "$T" 1 "A: Previous on the destination page"
ui click "$T" 2 >/dev/null
expect_page "$T" 0 "A: Previous on the license page"
ui click "$T" 1 -- click "$T" 1 >/dev/null
expect_page "$T" 3 "A: destination again"
expect_contains "$(ui state "$T" 153)" "enabled=0" "A: path field of PathChangeable 0"
expect_contains "$(ui state "$T" 154)" "enabled=0" "A: Browse of PathChangeable 0"
ui click "$T" 1 -- click "$T" 1 >/dev/null
expect_page "$T" 6 "A: finish page"
expect_contains "$(ui state "$T" 303)" "visible=0" "A: no finish tree without options"
ui click "$T" 5 >/dev/null
wait_exit
expect_eq "$(working_folders)" "$before" "A: working folders after Finish"

# Package B, the sample: opt-out box, empty path warning, group list.
mkdir -p "$ALL_PROGRAMS/PW Test Group"
make_package "$WORK/b.exe" "$PW_SOURCE/examples/sample/setup" "$WORK/payload"
start_wizard "$WORK/b.exe" winxp
choose_language English
ui wait "$T" 60 >/dev/null || fail "B: no wizard window"
# Enter presses the default button while it is usable; Escape is no
# Previous. The tick posted after the keys shows they have been handled.
ui key "$T" 1 return >/dev/null
expect_page "$T" 1 "B: Enter on the welcome page"
ui key "$T" 52 return -- key "$T" 52 escape -- check "$T" 52 1 >/dev/null
expect_state "$T" 1 "enabled=1" "B: Next after agreeing"
expect_page "$T" 1 "B: Enter and Escape before agreeing"
ui key "$T" 52 return >/dev/null
expect_page "$T" 2 "B: Enter after agreeing"
ui click "$T" 1 >/dev/null
expect_page "$T" 3 "B: destination"
# Browse: cancelled changes nothing; a choice replaces the path as it is.
ui settext "$T" 153 'D:\Elsewhere\' -- click "$T" 154 >/dev/null
ui msgbox "Browse for Folder" cancel 30 >/dev/null || fail "B: no folder browser"
ui wait "$T" 30 >/dev/null
expect_eq "$(ui text "$T" 153)" 'D:\Elsewhere\' "B: path after a cancelled browser"
ui click "$T" 154 >/dev/null
ui msgbox "Browse for Folder" ok 30 >/dev/null || fail "B: no folder browser"
ui waittext "$T" 153 'C:\Program Files\' 30 >/dev/null || fail "B: path after browsing: [$(ui text "$T" 153)]"
expect_contains "$(ui text "$T" 155)" "Available space: " "B: free space after browsing"
ui settext "$T" 153 "" >/dev/null
ui click "$T" 1 >/dev/null
expect_eq "$(ui msgbox "Warning" ok 30)" "Please select a path for the program!" "B: empty path warning"
expect_page "$T" 3 "B: stays on the destination page"
ui settext "$T" 153 'D:\Apps\Sample\' -- click "$T" 1 >/dev/null
expect_page "$T" 4 "B: group page"
default_group=$(ui text "$T" 204)
n=$(ui items "$T" 206 | grep -n '^PW Test Group$' | cut -d: -f1)
[ -n "$n" ] || fail "B: test group not listed"
picked="${default_group%Packwright Sample\\}PW Test Group\\Packwright Sample\\"
ui pick "$T" 206 $((n - 1)) -- waittext "$T" 204 "$picked" 30 >/dev/null ||
    fail "B: group picked: [$(ui text "$T" 204)], expected [$picked]"
ui pick "$T" 206 0 -- waittext "$T" 204 "$default_group" 30 >/dev/null ||
    fail "B: empty item restores the default: [$(ui text "$T" 204)]"
ui check "$T" 205 1 >/dev/null
expect_state "$T" 206 "enabled=0" "B: list disabled by the opt-out box"
ui click "$T" 2 >/dev/null
expect_page "$T" 3 "B: back on the destination page"
ui click "$T" 1 >/dev/null
expect_page "$T" 6 "B: opted out: Next on the destination page installs"
ui click "$T" 5 >/dev/null
wait_exit
rmdir "$ALL_PROGRAMS/PW Test Group"

# Package C: no group wanted: an empty path is not checked.
# Its finish page also offers a restart, and a shortcut whose folder has
# no backslash (the new task comes first in the section).
setup_with "$WORK/setup-c" iConfig.AutoCreateStartMenu=0 FilesAndSettings.RequireLicense=0 \
    FilesAndSettings.RequireReadme=0 iConfig.RebootRequired=1 \
    "InstTasks.Task12=[SHORTCUT]¶ 1¶0¶<Desktop>Odd.lnk¶<DefaultInstallPath>\Tools\hello.exe¶Odd¶0"
make_package "$WORK/c.exe" "$WORK/setup-c" "$WORK/payload"
start_wizard "$WORK/c.exe" winxp
choose_language English
ui wait "$T" 60 >/dev/null || fail "C: no wizard window"
ui click "$T" 1 >/dev/null
expect_page "$T" 3 "C: welcome leads to the destination"
ui settext "$T" 153 "" -- click "$T" 1 >/dev/null
expect_page "$T" 6 "C: straight to the finish page"
ui nomsgbox "Warning" >/dev/null || fail "C: path warning shown"
expect_eq "$(ui items "$T" 303 | tr '\t\n' ':|')" \
    "1:Create shortcut  for Odd|1:Run Packwright Sample|1:Create shortcut on the Desktop for Packwright Sample|1:Create internet link on the Desktop|1:Restart computer (recommended)|" \
    "C: finish options"
# Finish ends it; package D then ends through Cancel confirmed with Yes.
ui click "$T" 5 >/dev/null
wait_exit

setup_with "$WORK/setup-d" FilesAndSettings.RequireLicense=0
make_package "$WORK/d.exe" "$WORK/setup-d" "$WORK/payload"
start_wizard "$WORK/d.exe" winxp
choose_language English
ui wait "$T" 60 >/dev/null || fail "D: no wizard window"
ui click "$T" 1 >/dev/null
expect_page "$T" 2 "D: welcome leads to the read-me"
ui click "$T" 2 >/dev/null
expect_page "$T" 0 "D: read-me back to welcome"
cancel_wizard "$T"
expect_eq "$(working_folders)" "$before" "working folders after Cancel and Yes"
finish

#!/bin/bash
# Refusals before the wizard window opens: the Windows-version keys, the
# framework folder, the license file. Each refusal ends through the
# cleanup exit.
. "$PW_SOURCE/tests/e2e/wizard_lib.sh"

T="$SAMPLE_TITLE"
stage_sample_payload "$WORK/payload"
before=$(working_folders)

# expect_refusal NAME VERSION TEXT: the package's installer shows an error
# box with TEXT and leaves no working folder.
expect_refusal() {
    start_wizard "$WORK/$1.exe" "$2"
    choose_language English
    expect_eq "$(ui msgbox "Error" ok 60)" "$3" "$1: message"
    wait_exit
    expect_eq "$(working_folders)" "$before" "$1: working folders"
}

# expect_wizard NAME VERSION: the wizard window opens; Cancel ends it.
expect_wizard() {
    start_wizard "$WORK/$1.exe" "$2"
    choose_language English
    ui wait "$T" 60 >/dev/null || fail "$1: no wizard window"
    ui nomsgbox "Error" >/dev/null || fail "$1: refused"
    cancel_wizard "$T"
}

package() {
    local name="$1"
    shift
    setup_with "$WORK/setup-$name" "$@"
    make_package "$WORK/$name.exe" "$WORK/setup-$name" "$WORK/payload"
}

# Only the exact text "0" refuses. The reader drops blanks before a value,
# so " 0" cannot be written; "0 " keeps its blank.
package wxp0 GeneralInformation.WXP=0
package wxp00 GeneralInformation.WXP=00
package wxp0-blank "GeneralInformation.WXP=0 "
expect_refusal wxp0 winxp "The program cannot be installed on this operating system version!"
expect_wizard wxp0 win2k
expect_wizard wxp0 win98
expect_wizard wxp0 nt40
package w98-0 GeneralInformation.W98=0
expect_refusal w98-0 win98 "The program cannot be installed on this operating system version!"
expect_wizard wxp00 winxp
expect_wizard wxp0-blank winxp

# A 2.0 framework folder counts when it holds more than 10 MB.
fw="$WINEPREFIX/drive_c/windows/Microsoft.NET/Framework"
mkdir -p "$fw/v2.0.50727/sub"
truncate -s 6M "$fw/v2.0.50727/a.dll"
truncate -s 5M "$fw/v2.0.50727/sub/b.dll"
package dotnet3 GeneralInformation.DotNet=3 GeneralInformation.RunIfDepNotFound=http://
expect_wizard dotnet3 winxp
rm "$fw/v2.0.50727/sub/b.dll"
expect_refusal dotnet3 winxp "One or more dependencies were not found on this computer. This program requires the .NET Framework version: 2.0."
rm -r "$fw/v2.0.50727"
rmdir "$fw" "$WINEPREFIX/drive_c/windows/Microsoft.NET" 2>/dev/null

# An empty license file cannot be loaded.
package nolicense
: > "$WORK/setup-nolicense/Resources/License.txt"
make_package "$WORK/nolicense.exe" "$WORK/setup-nolicense" "$WORK/payload"
expect_refusal nolicense winxp "Could not allocate memory to read the license file."
finish

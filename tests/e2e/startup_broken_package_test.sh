#!/bin/bash
# Broken and hostile packages: each ends with its message and leaves no
# working folder, and no archive entry writes outside its destination.
. "$PW_SOURCE/tests/e2e/lib.sh"
RAW="python3 $PW_SOURCE/tests/e2e/raw_package.py"
S="$PW_SOURCE/examples/sample/setup"
before=$(working_folders)

INCOMPLETE="This installer is incomplete! If you downloaded it from the Internet try to transfer it again."
CORRUPTED="This installer is corrupted. Please obtain another copy of it."

# expect_error EXE TEXT NAME: the installer shows TEXT in an "Error" box,
# ends, and leaves no working folder.
expect_error() {
    start_installer "$1" winxp
    local msg
    msg=$(ui msgbox "Error" ok 60) || fail "$3: no error box"
    expect_eq "$msg" "$2" "$3 message"
    wait_exit
    expect_eq "$(working_folders)" "$before" "$3 leaves no working folder"
    [ -f "$PW_HANDOVER" ] && fail "$3 handed over"
}

good_setup="$WORK/setup.zip"
$RAW zip "$good_setup" "Config/Script.ini=$S/Config/Script.ini" "Languages/English.ini=$S/Languages/English.ini" \
    "Languages/Deutsch.ini=$S/Languages/Deutsch.ini"
$RAW zip "$WORK/payload.zip" "a.txt=@hello"

expect_error "$PW_INSTALLER" "$INCOMPLETE" "bare installer without package"
$RAW join "$WORK/magic.exe" "$PW_INSTALLER" "$good_setup" "$WORK/payload.zip" --magic KESTRALINE.EOf
expect_error "$WORK/magic.exe" "$INCOMPLETE" "altered end magic"
$RAW join "$WORK/s0.exe" "$PW_INSTALLER" "$good_setup" "$WORK/payload.zip" --s 0
expect_error "$WORK/s0.exe" "$CORRUPTED" "zero setup size"
$RAW join "$WORK/p0.exe" "$PW_INSTALLER" "$good_setup" "$WORK/payload.zip" --p 0
expect_error "$WORK/p0.exe" "$CORRUPTED" "zero payload size"
# Sizes larger than the file: the working folder is made, then removed.
$RAW join "$WORK/big.exe" "$PW_INSTALLER" "$good_setup" "$WORK/payload.zip" --s 900000000
expect_error "$WORK/big.exe" "$CORRUPTED" "sizes beyond the file"
# A setup-data archive that is no ZIP passes preparation; the empty
# language list then ends the run.
head -c 5000 /dev/urandom > "$WORK/garbage.zip"
$RAW join "$WORK/garbage.exe" "$PW_INSTALLER" "$WORK/garbage.zip" "$WORK/payload.zip"
expect_error "$WORK/garbage.exe" "This installer package is incomplete and/or corrupted." "unreadable setup data"
# Language files without a usable name are skipped: blanks only.
$RAW zip "$WORK/blank.zip" "Languages/Blank.ini=@[KSW Localization File]
Language=   
" "Config/Script.ini=$S/Config/Script.ini"
$RAW join "$WORK/blank.exe" "$PW_INSTALLER" "$WORK/blank.zip" "$WORK/payload.zip"
expect_error "$WORK/blank.exe" "This installer package is incomplete and/or corrupted." "blank language name"

# Hostile entry names: nothing appears outside Information\, and the
# package still works.
printf '\005\000\000\000\000\000\000\000' > "$WORK/stats.bin"
rm -f "$WIN_TEMP/evil1.txt" "$WIN_TEMP/../evil2.txt" "$WINEPREFIX/drive_c/evil3.txt"
$RAW zip "$WORK/hostile.zip" "Config/Script.ini=$S/Config/Script.ini" "Languages/English.ini=$S/Languages/English.ini" \
    "Config/Statistics.ini=$WORK/stats.bin" "../../evil1.txt=@x" "Languages/../../../../evil2.txt=@x" "/evil3.txt=@x" "\\evil3.txt=@x" "C:/../evil3.txt=@x"
$RAW join "$WORK/hostile.exe" "$PW_INSTALLER" "$WORK/hostile.zip" "$WORK/payload.zip"
start_installer "$WORK/hostile.exe" winxp
wait_exit
expect_contains "$(cat "$PW_HANDOVER" 2>/dev/null)" "English.ini" "hostile package still hands over"
for f in "$WIN_TEMP/evil1.txt" "$WIN_TEMP/../evil2.txt" "$WIN_TEMP/../../evil2.txt" "$WINEPREFIX/drive_c/evil3.txt" \
         "$WINEPREFIX/drive_c/evil1.txt" "$WINEPREFIX/drive_c/evil2.txt"; do
    [ -e "$f" ] && fail "hostile entry written: $f"
done
expect_eq "$(working_folders)" "$before" "hostile package leaves no working folder"
finish

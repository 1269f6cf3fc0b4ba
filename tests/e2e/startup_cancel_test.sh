#!/bin/bash
# Cancel on the please-wait window and on the language dialog: No goes on,
# Yes ends the run through the cleanup exit.
. "$PW_SOURCE/tests/e2e/lib.sh"
before=$(working_folders)
QUESTION="Are you sure you want to stop the installation now? Press 'No' to continue or 'Yes' to end this program. You can run this installer at a later time and continue the installation procedure."

# A payload of incompressible data: several 512 KB blocks to copy, each
# slowed down by the test seam so that Cancel meets a running copy.
stage_sample_payload "$WORK/payload"
head -c 3000000 /dev/urandom > "$WORK/payload/Data/noise.bin"
make_package "$WORK/Setup.exe" "$PW_SOURCE/examples/sample/setup" "$WORK/payload"
export PACKWRIGHT_TEST_BLOCK_DELAY_MS=700

# No: preparation goes on to the language dialog.
start_installer "$WORK/Setup.exe" winxp
ui wait "Initializing..." 60 >/dev/null || fail "no please-wait window"
expect_eq "$(ui text "Initializing..." 1001)" "Please wait while the installer prepares the wizard..." "please-wait text"
shot "Initializing..." please-wait
msg=$(ui click "Initializing..." 1000 -- msgbox "Please confirm" no 30) || fail "no cancel question"
expect_eq "$msg" "$QUESTION" "cancel question"
ui wait "Language selection" 60 >/dev/null || fail "No did not go on to the language dialog"
# The language dialog's own Cancel: No stays, Yes ends.
ui click "Language selection" 2001 -- msgbox "Please confirm" no 30 >/dev/null || fail "dialog cancel question"
ui wait "Language selection" 10 >/dev/null || fail "No closed the dialog"
ui click "Language selection" 2001 -- msgbox "Please confirm" yes 30 >/dev/null || fail "dialog cancel yes"
wait_exit
[ -f "$PW_HANDOVER" ] && fail "cancelled run handed over"
expect_eq "$(working_folders)" "$before" "no working folder after cancelling in the dialog"

# Yes on the please-wait window: the copy stops at its next block and the
# run ends without a language dialog and without a working folder.
start_installer "$WORK/Setup.exe" winxp
ui wait "Initializing..." 60 >/dev/null || fail "no please-wait window (2)"
ui click "Initializing..." 1000 -- msgbox "Please confirm" yes 30 >/dev/null || fail "cancel yes"
wait_exit "$PW_PID" 60
ui gone "Language selection" 1 >/dev/null || fail "language dialog appeared after cancelling"
[ -f "$PW_HANDOVER" ] && fail "cancelled preparation handed over"
expect_eq "$(working_folders)" "$before" "no working folder after cancelling the preparation"
finish

#!/bin/bash
# Drives the sample Setup.exe through everything the product does today
# and reports each step. Used by scripts/run-sample.sh.
. "$PW_SOURCE/tests/e2e/wizard_lib.sh"
OUT="$(cd "$PW_BUILD/.." && pwd)/sample"
mkdir -p "$OUT"
stage_sample_payload "$WORK/payload"
make_package "$OUT/Setup.exe" "$PW_SOURCE/examples/sample/setup" "$WORK/payload"
say "packed $OUT/Setup.exe ($(stat -c %s "$OUT/Setup.exe") bytes; installer stub $(stat -c %s "$PW_INSTALLER") bytes)"
"$PW_PACK" --list "$OUT/Setup.exe" | sed 's/^/    /'
before=$(working_folders)

start_wizard "$OUT/Setup.exe" winxp
ui wait "Language selection" 60 >/dev/null || fail "the language dialog did not appear"
say "language dialog after $(( ($(date +%s%N) - PW_T0) / 1000000 )) ms; offered: $(ui combo "Language selection" 2003 | tr '\n' ' ')"
say "preselected: $(ui text "Language selection" 2003)"
shot "Language selection" sample-language
ui select "Language selection" 2003 English -- click "Language selection" 2002 >/dev/null
wizard_tour "$SAMPLE_TITLE" sample-wizard
if [ "$(working_folders)" == "$before" ]; then say "working folder removed"; else fail "working folder left behind"; fi
say "screenshots: $SHOTS"
finish

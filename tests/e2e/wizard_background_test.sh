#!/bin/bash
# UseBackgroundWindow 1: a full-screen gradient window with the script's
# text, disabled, owning the wizard window.
. "$PW_SOURCE/tests/e2e/wizard_lib.sh"

T="$SAMPLE_TITLE"
stage_sample_payload "$WORK/payload"
before=$(working_folders)
setup_with "$WORK/setup" Look.UseBackgroundWindow=1
make_package "$WORK/bg.exe" "$WORK/setup" "$WORK/payload"
start_wizard "$WORK/bg.exe" winxp
choose_language English
ui wait "$T" 60 >/dev/null || fail "no wizard window"

expect_contains "$(ui window "$T" KestralineBackground)" "enabled=0 visible=1 maximized=1 maxbox=0" "background window"
expect_contains "$(ui window "$T" KestralineWizard)" "owner=KestralineBackground" "wizard window"
shot_of "$T" KestralineWizard wizard-0-welcome-on-background
shot_of "$T" KestralineBackground wizard-background

# The sample's colours run from (0, 40, 120) at the top to black at the
# bottom; its text "<ProgramName> <ProgramVersion>" is drawn in white at
# the top left.
python3 - "$WORK/wizard-background.bmp" <<'PY' || fail "background pixels"
import struct, sys
d = open(sys.argv[1], 'rb').read()
off, = struct.unpack_from('<I', d, 10)
w, h = struct.unpack_from('<ii', d, 18)
stride = (w * 3 + 3) & ~3
def px(x, y):  # rows are stored bottom-up
    i = off + (h - 1 - y) * stride + x * 3
    b, g, r = d[i], d[i + 1], d[i + 2]
    return r, g, b
# The gradient fills the client area, below the caption when one is
# drawn; look at a column right of the wizard window.
col = [px(1000, y) for y in range(0, min(h, 760))]
first = next((y for y in range(0, 40) if col[y][0] == 0 and 38 <= col[y][1] <= 40 and 115 <= col[y][2] <= 120), None)
bad = []
if first is None:
    bad.append('no row of colour 1 at the top: %s' % (col[:40],))
else:
    blues = [c[2] for c in col[first:]]
    if any(b2 > b1 for b1, b2 in zip(blues, blues[1:])):
        bad.append('blue not falling downwards')
    if col[-1][2] > 10:
        bad.append('bottom colour %s' % (col[-1],))
if len(set(px(x, 650) for x in range(0, 1020))) != 1:
    bad.append('colour changes along a row')
white = sum(1 for x in range(0, 430) for y in range(25, 80) if px(x, y) == (255, 255, 255))
if white < 100:
    bad.append('no white text (%d pixels)' % white)
if bad:
    print('; '.join(bad))
    sys.exit(1)
PY
cancel_wizard "$T"
expect_eq "$(working_folders)" "$before" "working folders after Cancel"
finish

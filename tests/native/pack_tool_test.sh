#!/bin/bash
# The pack tool on good and bad input: layout of the output, --list, and
# one clear message with a non-zero exit and no output file on each error.
set -u
PACK="$1"; SAMPLE="$2"
T=$(mktemp -d); trap 'rm -rf "$T"' EXIT
fails=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }

printf 'MZ-stub-bytes' > "$T/stub.exe"
cp -r "$SAMPLE/setup" "$T/setup"
mkdir -p "$T/payload/sub/empty"
printf 'hello' > "$T/payload/a.txt"
printf '12345678901' > "$T/payload/sub/b.bin"

# A good package.
"$PACK" --stub "$T/stub.exe" --setup "$T/setup" --payload "$T/payload" --out "$T/Setup.exe" || fail "good package"
python3 - "$T/Setup.exe" <<'PY' || fail "layout"
import sys, struct, zipfile, io
data = open(sys.argv[1], 'rb').read()
assert data[:13] == b'MZ-stub-bytes'
assert data[-14:] == b'KESTRALINE.EOF'
p, s = struct.unpack('<II', data[-22:-14])
assert len(data) == 13 + s + p + 22
setup = zipfile.ZipFile(io.BytesIO(data[13:13 + s]))
payload = zipfile.ZipFile(io.BytesIO(data[13 + s:13 + s + p]))
names = payload.namelist()
assert 'sub/empty/' in names and 'a.txt' in names and 'sub/b.bin' in names, names
assert all('\\' not in n and not n.startswith('/') for n in names)
assert payload.getinfo('a.txt').compress_type == zipfile.ZIP_DEFLATED
stats = setup.read('Config/Statistics.ini')
assert stats == struct.pack('<Q', 16), stats
assert 'Config/Script.ini' in setup.namelist()
PY
out=$("$PACK" --list "$T/Setup.exe") || fail "--list on a package"
case "$out" in *"sub/empty/"*"a.txt"*) ;; *"a.txt"*"sub/empty/"*) ;; *) fail "--list lacks entries: $out" ;; esac
case "$out" in *"setup-data size S"*"payload size P"*) ;; *) fail "--list lacks sizes" ;; esac

# An existing Statistics.ini is kept.
printf 'ABCDEFGH' > "$T/setup/Config/Statistics.ini"
"$PACK" --stub "$T/stub.exe" --setup "$T/setup" --payload "$T/payload" --out "$T/Kept.exe" || fail "kept stats"
python3 -c "
import sys,struct,zipfile,io
d=open('$T/Kept.exe','rb').read(); p,s=struct.unpack('<II',d[-22:-14])
assert zipfile.ZipFile(io.BytesIO(d[13:13+s])).read('Config/Statistics.ini')==b'ABCDEFGH'" || fail "statistics file not kept"
rm "$T/setup/Config/Statistics.ini"

# expect_error NAME TEXT ARGS...: non-zero exit, one line naming TEXT, no output.
expect_error() {
    local name="$1" text="$2"; shift 2
    rm -f "$T/Bad.exe"
    msg=$("$PACK" "$@" 2>&1 >/dev/null); rc=$?
    [ $rc -ne 0 ] || fail "$name: exit code 0"
    [ "$(printf '%s\n' "$msg" | wc -l)" -eq 1 ] || fail "$name: not one line: $msg"
    case "$msg" in *"$text"*) ;; *) fail "$name: message [$msg] lacks [$text]" ;; esac
    ls "$T"/Bad.exe* >/dev/null 2>&1 && fail "$name: output left behind"
}
expect_error "missing stub" "$T/none.exe" --stub "$T/none.exe" --setup "$T/setup" --payload "$T/payload" --out "$T/Bad.exe"
mv "$T/setup/Config/Script.ini" "$T/Script.ini"
expect_error "missing script" "Script.ini" --stub "$T/stub.exe" --setup "$T/setup" --payload "$T/payload" --out "$T/Bad.exe"
mv "$T/Script.ini" "$T/setup/Config/Script.ini"
mkdir "$T/langs"; mv "$T/setup/Languages/"*.ini "$T/langs/"
expect_error "no language" "Languages" --stub "$T/stub.exe" --setup "$T/setup" --payload "$T/payload" --out "$T/Bad.exe"
mv "$T/langs/"*.ini "$T/setup/Languages/"
ln -s "$T/nowhere" "$T/payload/dangling.txt"
expect_error "unreadable file" "dangling.txt" --stub "$T/stub.exe" --setup "$T/setup" --payload "$T/payload" --out "$T/Bad.exe"
rm "$T/payload/dangling.txt"
truncate -s 2147483000 "$T/huge-stub.exe"
expect_error "2 GiB" "2 GiB" --stub "$T/huge-stub.exe" --setup "$T/setup" --payload "$T/payload" --out "$T/Bad.exe"
expect_error "missing payload" "$T/nopayload" --stub "$T/stub.exe" --setup "$T/setup" --payload "$T/nopayload" --out "$T/Bad.exe"
# A failed build leaves an existing output untouched.
cp "$T/Setup.exe" "$T/Before.exe"
"$PACK" --stub "$T/none.exe" --setup "$T/setup" --payload "$T/payload" --out "$T/Setup.exe" 2>/dev/null && fail "should fail"
cmp -s "$T/Setup.exe" "$T/Before.exe" || fail "existing output changed by a failed build"

# --list on files that are not packages.
printf 'short' > "$T/short.bin"
msg=$("$PACK" --list "$T/short.bin" 2>&1) && fail "--list short file succeeded"
case "$msg" in *"not a package"*) ;; *) fail "--list short: $msg" ;; esac
head -c 100 /dev/urandom > "$T/random.bin"
msg=$("$PACK" --list "$T/random.bin" 2>&1) && fail "--list random file succeeded"
case "$msg" in *"KESTRALINE.EOF"*) ;; *) fail "--list random: $msg" ;; esac

[ $fails -eq 0 ] && echo "pack tool: all checks passed"
exit $fails

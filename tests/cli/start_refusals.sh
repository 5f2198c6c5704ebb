#!/usr/bin/env bash
# The program refuses to start, clearly and without touching a file, on a data folder it cannot write and on
# a folder another Tallyvex is using.
set -u
tallyvex=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
fail() { echo "FAIL: $*"; exit 1; }
printf 'start\ntick\nexpect window frmSelect\n' > "$work/ok.tvs"

# A data folder below a regular file cannot be created.
touch "$work/plainfile"
out=$("$tallyvex" --script "$work/ok.tvs" --data-dir "$work/plainfile/data" 2>&1); status=$?
[ $status -eq 3 ] || fail "unwritable folder: status $status"
grep -q "$work/plainfile/data" <<<"$out" || fail "unwritable folder: message does not name the folder: $out"

# A folder that exists but is read-only (root may write anyway: then skip this case).
mkdir "$work/readonly"; chmod 555 "$work/readonly"
if ! touch "$work/readonly/probe" 2>/dev/null; then
    out=$("$tallyvex" --script "$work/ok.tvs" --data-dir "$work/readonly" 2>&1); status=$?
    [ $status -eq 3 ] || fail "read-only folder: status $status"
else
    rm -f "$work/readonly/probe"
fi

# A second program on the same folder says so and leaves every file as it was.
mkdir "$work/data"
"$tallyvex" --script "$work/ok.tvs" --data-dir "$work/data" >/dev/null || fail "first run failed"
before=$(cd "$work/data" && find . -type f -newer "$work/ok.tvs" -exec sha256sum {} + | sort)
exec 9>"$work/data/tallyvex.lock"
flock -n 9 || fail "could not take the lock for the test"
out=$("$tallyvex" --script "$work/ok.tvs" --data-dir "$work/data" 2>&1); status=$?
exec 9>&-
[ $status -eq 4 ] || fail "second start: status $status"
grep -q "already running" <<<"$out" || fail "second start: message: $out"
after=$(cd "$work/data" && find . -type f -newer "$work/ok.tvs" -exec sha256sum {} + | sort)
[ "$before" = "$after" ] || fail "second start touched files"

# Bad command lines.
"$tallyvex" --seed x >/dev/null 2>&1; [ $? -eq 2 ] || fail "bad seed accepted"
"$tallyvex" --date 2026-13-01 --script "$work/ok.tvs" >/dev/null 2>&1; [ $? -eq 2 ] || fail "bad date accepted"
"$tallyvex" --script "$work/missing.tvs" --data-dir "$work/data" >/dev/null 2>&1; [ $? -eq 2 ] || fail "missing script"
echo "start refusals: ok"

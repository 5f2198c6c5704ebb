#!/usr/bin/env bash
# `tallyvex players import|export`: a CSV goes into a player database and comes out the same; a bad row is
# reported with its line number and skipped; bad command lines exit 2.
set -u
tallyvex=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cat > "$work/players.csv" <<'CSV'
ishuff_id,clname,cfname,cclub,cdist,cstatus,csex
1001,O'Brien,Pat,"Riverside, North",3,A,M
1002,Müller,Zoë,Lakeside,12,B,F
CSV
"$tallyvex" players import --db local "$work/players.csv" --data-dir "$work/data" >/dev/null \
    || fail "import failed"
"$tallyvex" players export --db local "$work/out.csv" --data-dir "$work/data" >/dev/null || fail "export failed"
diff <(tr -d '\r' < "$work/out.csv") "$work/players.csv" || fail "export differs from the import"
[ -f "$work/data/Shufflers_1.db" ] && fail "the ZUR database was touched"

printf 'ishuff_id,clname,cfname,cclub,cdist,cstatus,csex\n1003,Ng,Al,,,,\nabc,Bad,Row,,,,\n' > "$work/bad.csv"
err=$("$tallyvex" players import --db zur "$work/bad.csv" --data-dir "$work/data" 2>&1 >/dev/null); status=$?
[ $status -eq 1 ] || fail "a skipped row: status $status"
grep -q "line 3" <<<"$err" || fail "the bad row's line is not named: $err"
"$tallyvex" players export --db zur "$work/zur.csv" --data-dir "$work/data" >/dev/null || fail "zur export"
grep -q "^1003,Ng,Al" "$work/zur.csv" || fail "the good row was not imported"

"$tallyvex" players import --db nowhere "$work/players.csv" --data-dir "$work/data" >/dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown database was accepted"
"$tallyvex" players frobnicate --data-dir "$work/data" >/dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown players command was accepted"
echo "players command: ok"

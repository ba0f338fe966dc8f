#!/bin/bash
# The runner as a teacher calls it: exit codes, what goes where, the picture.
sim="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fails=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }

# Each bad call: status 2, nothing on standard output, one line naming the argument.
bad() {
    local named="$1"; shift
    "$sim" "$@" >"$tmp/out" 2>"$tmp/err"
    local rc=$?
    [ $rc -eq 2 ] || fail "$* exited $rc"
    [ ! -s "$tmp/out" ] || fail "$* printed a table"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "$* wrote $(wc -l <"$tmp/err") lines to stderr"
    grep -q -- "$named" "$tmp/err" || fail "$* did not name $named: $(cat "$tmp/err")"
}
bad --reaction --reaction H2O
bad --particles --reaction HI --particles abc
bad --interval --reaction HI --interval
bad --frobnicate --reaction HI --frobnicate
bad --png --reaction HI --duration 1 --png "$tmp/missing/box.png"
bad --png --reaction HI --duration 1 --png "$tmp"

"$sim" --help >"$tmp/out" || fail "--help exited $?"
grep -q -- "--reaction FeO|NH3|HI|HgO" "$tmp/out" || fail "--help shows no usage"

LC_ALL=C "$sim" --reaction NH3 --duration 2 --interval 0.5 --seed 1 --bench \
    --png "$tmp/box.png" >"$tmp/out" 2>"$tmp/err" || fail "a good run exited $?"
[ "$(sed -n 2p "$tmp/out")" = $'Temps\tN2\tH2\tNH3\r' ] || fail "header: $(sed -n 2p "$tmp/out")"
[ "$(wc -l <"$tmp/out")" -eq 7 ] || fail "expected 7 lines, got $(wc -l <"$tmp/out")"
sed -n 4p "$tmp/out" | grep -q $'^0.5\t' || fail "row 0.5 missing: $(sed -n 4p "$tmp/out")"
grep -Eq '^ticks: 40  mean tick: [0-9.]+ ms  max tick: [0-9.]+ ms$' "$tmp/err" ||
    fail "bench line: $(cat "$tmp/err")"
[ "$(head -c 8 "$tmp/box.png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] ||
    fail "no PNG written"

[ $fails -eq 0 ] && echo "all passed"
exit $fails

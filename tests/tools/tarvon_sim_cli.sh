#!/bin/bash
# The runner as a teacher calls it: exit codes, what goes where, the picture.
sim="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fails=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }

# Each bad call: status 2 at once (124 would be a hang), nothing on standard
# output, one line naming the argument.
bad() {
    local named="$1"; shift
    timeout 60 "$sim" "$@" >"$tmp/out" 2>"$tmp/err"
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
bad --reaction --reaction $'HI\nHgO'
bad --frobnicate $'--frobnicate\n--reaction' HI
bad --analyse --reaction HI --analyse Hg
bad --analyse --analyse Hg --reaction NH3
bad --lang --reaction HI --lang fr
bad --lang --reaction HI --lang=ES
bad --lang --reaction HI --lang
# Refused before a long run: a name too long, a full device, a pipe nobody reads.
bad --png --reaction HI --duration 3600 --png "$tmp/$(printf 'a%.0s' {1..300}).png"
bad --png --reaction HI --duration 3600 --png /dev/full
mkfifo "$tmp/fifo"
bad --png --reaction HI --duration 3600 --png "$tmp/fifo"
[ -z "$(ls "$tmp" | grep -v -e '^out$' -e '^err$' -e '^fifo$')" ] || fail "left behind: $(ls "$tmp")"

# A picture that cannot be written after the run (a size limit): status 2, no
# table, an earlier file whole, a new one gone.
echo "an earlier picture" >"$tmp/keep.png"
for png in keep.png new.png; do
    (ulimit -f 8; trap '' XFSZ; exec "$sim" --reaction HI --duration 1 --png "$tmp/$png") \
        >"$tmp/out" 2>"$tmp/err"
    rc=$?
    [ $rc -eq 2 ] || fail "size limit on $png exited $rc"
    [ ! -s "$tmp/out" ] || fail "size limit on $png printed a table"
    grep -q "File too large" "$tmp/err" || fail "size limit on $png: $(cat "$tmp/err")"
done
echo "an earlier picture" | cmp -s - "$tmp/keep.png" || fail "the earlier picture was touched"
[ ! -e "$tmp/new.png" ] || fail "an empty picture file was left behind"

# Stopped during the run: the file made for the picture goes with it.
"$sim" --reaction HI --particles 400 --duration 3600 --png "$tmp/stopped.png" >/dev/null &
pid=$!
for _ in $(seq 100); do [ -e "$tmp/stopped.png" ] && break; sleep 0.1; done
[ -e "$tmp/stopped.png" ] || fail "the picture file was not made before the run"
kill -TERM $pid
wait $pid
[ ! -e "$tmp/stopped.png" ] || fail "a stopped run left its empty picture file"

# Standard output that cannot be written: an error, not a lost table.
for args in "--help" "--reaction HI --duration 1"; do
    # shellcheck disable=SC2086
    "$sim" $args >/dev/full 2>"$tmp/err"
    rc=$?
    [ $rc -eq 1 ] || fail "$args >/dev/full exited $rc"
    [ "$(cat "$tmp/err")" = "tarvon-sim: standard output: No space left on device" ] ||
        fail "$args >/dev/full: $(cat "$tmp/err")"
done

"$sim" --help >"$tmp/out" || fail "--help exited $?"
grep -q -- "--reaction FeO|NH3|HI|HgO" "$tmp/out" || fail "--help shows no usage"

# The picture needs no display, whatever platform the session names.
LC_ALL=C QT_QPA_PLATFORM=xcb DISPLAY= WAYLAND_DISPLAY= \
    "$sim" --reaction NH3 --duration 2 --interval 0.5 --seed 1 --bench \
    --png "$tmp/box.png" >"$tmp/out" 2>"$tmp/err" || fail "a good run exited $?"
[ "$(sed -n 2p "$tmp/out")" = $'Temps\tN2\tH2\tNH3\r' ] || fail "header: $(sed -n 2p "$tmp/out")"
[ "$(wc -l <"$tmp/out")" -eq 7 ] || fail "expected 7 lines, got $(wc -l <"$tmp/out")"
sed -n 4p "$tmp/out" | grep -q $'^0.5\t' || fail "row 0.5 missing: $(sed -n 4p "$tmp/out")"
grep -Eq '^ticks: 40  mean tick: [0-9.]+ ms  max tick: [0-9.]+ ms$' "$tmp/err" ||
    fail "bench line: $(cat "$tmp/err")"
[ "$(head -c 8 "$tmp/box.png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] ||
    fail "no PNG written"

! grep -q limit "$tmp/err" || fail "a short run told of the row limit"

# A run past the row limit: the table as Tarvon keeps it, and one line saying it stopped.
LC_ALL=C "$sim" --reaction HgO --duration 600 --interval 0.5 --seed 1 >"$tmp/out" 2>"$tmp/err" ||
    fail "a long run exited $?"
[ "$(wc -l <"$tmp/out")" -eq 1003 ] || fail "expected 1003 lines, got $(wc -l <"$tmp/out")"
[ "$(cat "$tmp/err")" = "tarvon-sim: the table stops at its limit of 1000 rows, at 500 s" ] ||
    fail "row limit line: $(cat "$tmp/err")"

# The order analysis instead of the table: the keys as written, the numbers
# with the locale's separator, CR LF.
for loc in ca_ES.utf8 C; do
    LC_ALL=$loc "$sim" --reaction HgO --particles 225 --duration 30 --seed 1 --fixed-volume \
        --analyse Hg >"$tmp/out" 2>"$tmp/err" || fail "--analyse in $loc exited $?"
    [ "$(wc -l <"$tmp/out")" -eq 5 ] || fail "--analyse in $loc: $(wc -l <"$tmp/out") lines"
    [ "$(head -1 "$tmp/out")" = $'ordre\tR2\tpendent\tk\r' ] || fail "header: $(head -1 "$tmp/out")"
    [ "$(grep -c $'\r$' "$tmp/out")" -eq 5 ] || fail "--analyse in $loc: lines without CR LF"
    grep -q $'^millor\t[0-2-]\r$' "$tmp/out" || fail "no best order: $(tail -1 "$tmp/out")"
    [ ! -s "$tmp/err" ] || fail "--analyse in $loc wrote: $(cat "$tmp/err")"
done
sed -n 2p "$tmp/out" | grep -Eq $'^0\t[01]\\.[0-9]{4}\t' || fail "C R2: $(sed -n 2p "$tmp/out")"
LC_ALL=ca_ES.utf8 "$sim" --reaction HgO --particles 225 --duration 30 --seed 1 --analyse Hg |
    sed -n 2p | grep -Eq $'^0\t[01],[0-9]{4}\t' || fail "ca_ES R2 without a comma"
# Too few rows to fit: a failure after the run, told in one line.
"$sim" --reaction HI --duration 2 --analyse HI >"$tmp/out" 2>"$tmp/err"
rc=$?
[ $rc -eq 1 ] || fail "--analyse on 3 rows exited $rc"
[ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "--analyse on 3 rows: $(cat "$tmp/err")"

# The table's title and time header in the language asked for; without one, or
# with ca, the Catalan table byte for byte. The species and the rows are the
# same in every language.
"$sim" --reaction NH3 --duration 3 --seed 5 >"$tmp/ca" || fail "the default language exited $?"
"$sim" --reaction NH3 --duration 3 --seed 5 --lang ca | cmp -s - "$tmp/ca" ||
    fail "--lang ca differs from the default table"
[ "$(head -2 "$tmp/ca")" = $'Nombre de partícules en funció del temps (segons)\r\nTemps\tN2\tH2\tNH3\r' ] ||
    fail "Catalan title and header: $(head -2 "$tmp/ca")"
for lang in es en; do
    LC_ALL=C "$sim" --reaction NH3 --duration 3 --seed 5 --lang=$lang >"$tmp/$lang" 2>"$tmp/err" ||
        fail "--lang $lang exited $?"
    [ ! -s "$tmp/err" ] || fail "--lang $lang wrote: $(cat "$tmp/err")"
    tail -n +3 "$tmp/$lang" | cmp -s - <(tail -n +3 "$tmp/ca") || fail "--lang $lang changed the rows"
done
[ "$(head -2 "$tmp/es")" = $'Número de partículas en función del tiempo (segundos)\r\nTiempo\tN2\tH2\tNH3\r' ] ||
    fail "Spanish title and header: $(head -2 "$tmp/es")"
[ "$(head -2 "$tmp/en")" = $'Number of particles as a function of time (seconds)\r\nTime\tN2\tH2\tNH3\r' ] ||
    fail "English title and header: $(head -2 "$tmp/en")"
# With the picture too: one application serves both.
"$sim" --reaction HI --duration 1 --lang en --png "$tmp/en.png" | sed -n 2p |
    grep -q $'^Time\tHI\tH2\tI2\r$' || fail "--lang en with --png: no English header"

[ $fails -eq 0 ] && echo "all passed"
exit $fails

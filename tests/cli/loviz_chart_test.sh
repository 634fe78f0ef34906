#!/usr/bin/env bash
# loviz-chart from the outside: formats, failures and exit codes.
set -u
chart="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
passes=0
check() { # description, then a command that must succeed
    local what="$1"; shift
    if "$@"; then echo "ok   $what"; passes=$((passes + 1)); else echo "FAIL $what"; failures=$((failures + 1)); fi
}
starts() { # file, expected first bytes as hex at an offset
    test "$(od -An -tx1 -j "$2" -N $(( ${#3} / 2 )) "$1" 2>/dev/null | tr -d ' \n')" = "$3"
}

values=(edRy=23,1 edRpr1=24,7 edRpr2=21,5 edRcor1=25,7 edRcor2=20,6 edRi=24 edRi=22,5 edRi=30)

"$chart" "${values[@]}" --out "$dir/mychart.wmf" 2>/dev/null; code=$?
check "the chart exits 0" test "$code" -eq 0
check "an enhanced metafile whatever the name" starts "$dir/mychart.wmf" 40 "20454d46"
check "its header record first" starts "$dir/mychart.wmf" 0 "01000000"
"$chart" "${values[@]}" --out "$dir/c.svg" --format svg 2>/dev/null
check "SVG" grep -q '<svg' "$dir/c.svg"
"$chart" "${values[@]}" --out "$dir/c.png" --format png --size 400x300 2>/dev/null
check "PNG" starts "$dir/c.png" 0 "89504e47"
check "at the size asked for" test "$(identify -format %wx%h "$dir/c.png" 2>/dev/null)" = "400x300"
"$chart" "${values[@]}" --out "$dir/c.pdf" --format pdf 2>/dev/null
check "PDF" starts "$dir/c.pdf" 0 "25504446"

"$chart" edRy=23,1 edRpr1=24,7 edRpr2=21,5 edRcor1=25,7 edRcor2=20,6 edRi=24 \
    --out "$dir/short.emf" 2>"$dir/err"; code=$?
check "a prompt without a value exits 1" test "$code" -eq 1
check "with the conversion message" grep -qx '"" не является правильным числом.' "$dir/err"
check "and writes no file" test ! -e "$dir/short.emf"
"$chart" "${values[@]}" edCountParty=3,5 --out "$dir/x.emf" 2>"$dir/err"; code=$?
check "a count that is no whole number exits 1" test "$code" -eq 1 -a ! -e "$dir/x.emf"
"$chart" "${values[@]}" edRcor2=40 --out "$dir/x.emf" 2>"$dir/err"; code=$?
check "a range upside down exits 1" test "$code" -eq 1
check "with its message" grep -q 'Неверный диапазон оси прочности' "$dir/err"
"$chart" "${values[@]}" --out "$dir/no/such/folder.emf" 2>/dev/null; code=$?
check "a file that cannot be written exits 1" test "$code" -eq 1

for bad in "--format gif" "--size 0x10" "edNoSuchControl=1" "" ; do
    # shellcheck disable=SC2086
    "$chart" "${values[@]}" $bad $( [ -n "$bad" ] && echo --out "$dir/y.emf" ) >/dev/null 2>&1; code=$?
    check "bad usage exits 2: ${bad:-no --out}" test "$code" -eq 2
done

out=$("$chart" edRy=23,1 --help --no-such-option 2>/dev/null); code=$?
check "--help ends the reading: exit 0" test "$code" -eq 0
check "with the usage" grep -q '^Использование: loviz-chart' <<<"$out"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]

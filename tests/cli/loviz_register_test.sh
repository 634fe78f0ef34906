#!/usr/bin/env bash
# loviz-register from the outside, on a temporary SQLite register: its reports and charts are
# those of loviz-calc and loviz-chart given the same samples, refused files change nothing, and
# an export imported into an empty register exports the same text.
set -u
register="$1" calc="$2" chart="$3"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
failures=0
passes=0
check() { # description, then a command that must succeed
    local what="$1"; shift
    if "$@"; then echo "ok   $what"; passes=$((passes + 1)); else echo "FAIL $what"; failures=$((failures + 1)); fi
}
db=(--database "$dir/r.sqlite")

# Six batches of B25 by six samples (the oldest is left out of the period), one of B30, and three
# after the period whose means are 26,0, 19,0 and 30,0.
samples=("28,1 27,5 29,0 26,8 27,7 28,3" "25,4 26,1 24,8 25,9 26,3 25,0" "27,2 28,4 26,9 27,8 28,0 27,1"
         "24,9 25,6 26,2 25,1 24,7 25,8" "26,5 27,3 25,9 26,8 27,0 26,1" "29,4 28,8 30,1 29,0 28,5 29,6")
{
    printf '\xef\xbb\xbfдата;класс;партия;завод;прочность;возраст;примечание\r\n'
    for b in 0 1 2 3 4 5; do
        for s in ${samples[b]}; do printf '0%d.02.2024;B25;%d;Северный;%s;28;\r\n' $((b + 1)) $((b + 1)) "$s"; done
    done
    printf '03.02.2024;30;7;;35,0;;\r\n'
    n=8
    for m in "25,5 26,5" "18,0 20,0" "30,0 30,0"; do
        for s in $m; do printf '%d.02.2024;25;%d;Северный;%s;;\r\n' $((n + 2)) "$n" "$s"; done
        n=$((n + 1))
    done
} >good.csv

"$register" "${db[@]}" import good.csv 2>err; code=$?
check "an import exits 0" test "$code" -eq 0
check "saying what it added" grep -qx 'Добавлено партий: 10, образцов: 43.' err

controls=(edB=25)
for b in 1 2 3 4 5; do
    j=0
    for s in ${samples[b]}; do j=$((j + 1)); controls+=("edR${b}_$j=$s"); done
done
"$calc" period5 "${controls[@]}" >calc.txt
"$register" "${db[@]}" period5 --class В25 --until 2024-02-09 >register.txt; code=$?
check "period5 exits 0" test "$code" -eq 0
check "period5 prints what loviz-calc prints" cmp -s calc.txt register.txt
"$register" "${db[@]}" period10 --class 25 --until 09.02.2024 >out 2>err; code=$?
check "too few batches for period10 exit 1" test "$code" -eq 1 -a ! -s out
check "with the register's message" grep -q 'нужно 10 партий класса В25' err

figure() { sed -n "s/^$1: \(.*\) МПа$/\1/p" calc.txt; }
"$chart" edRy="$(figure 'Средний уровень прочности')" \
    edRpr1="$(figure 'Верхний предел предупреждения')" edRpr2="$(figure 'Нижний предел предупреждения')" \
    edRcor1="$(figure 'Верхний предел корректирования')" edRcor2="$(figure 'Нижний предел корректирования')" \
    edRi=26,0 edRi=19,0 edRi=30,0 --out chart.svg --format svg
"$register" "${db[@]}" chart --class 25 --until 09.02.2024 --out register.svg --format svg >zones; code=$?
check "the chart exits 0" test "$code" -eq 0
check "the chart is the file loviz-chart writes" cmp -s chart.svg register.svg
check "its batches beyond the limits listed" grep -qx '  2\. партия «9» класса В25 от 11\.02\.2024, завод «Северный»: 19,0' zones

"$register" "${db[@]}" export >before.csv
sed 's/;27,3;28;/;27,x;28;/' good.csv >bad.csv
"$register" "${db[@]}" import bad.csv 2>err; code=$?
"$register" "${db[@]}" export >after.csv
check "a file with a bad line exits 1" test "$code" -eq 1
check "naming the line" grep -q '^строка 27: ' err
check "and leaves the register as it was" cmp -s before.csv after.csv

"$register" --database "$dir/copy.sqlite" import before.csv 2>/dev/null
"$register" --database "$dir/copy.sqlite" export >copy.csv
check "export, import into an empty register, export: the same text" cmp -s before.csv copy.csv
"$register" "${db[@]}" export --class 25 --from 05.02.2024 --to 2024-02-11 >some.csv
check "an export takes its filter" test "$(grep -c "^[0-9.]*;25;" some.csv)" -eq 16

for bad in "" "list" "export --scheme 10" "period5" "period5 --class 25 --until 31.02.2024" \
           "chart --class 25" "import" "import good.csv more.csv" "export --database postgresql://"; do
    # shellcheck disable=SC2086
    "$register" "${db[@]}" $bad >/dev/null 2>err; code=$?
    check "bad usage exits 2: ${bad:-no command}" test "$code" -eq 2
done
check "with the usage" grep -q '^Использование: loviz-register' err

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]

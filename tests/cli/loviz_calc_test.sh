#!/usr/bin/env bash
# loviz-calc from the outside: exit codes, streams and encodings.
set -u
calc="$1"
failures=0
passes=0
check() { # description, then a command that must succeed
    local what="$1"; shift
    if "$@"; then echo "ok   $what"; passes=$((passes + 1)); else echo "FAIL $what"; failures=$((failures + 1)); fi
}

out=$("$calc" bns edYdoboykl=10 edMarkCem=400 edClassBet=25); code=$?
check "report exits 0" test "$code" -eq 0
check "caption of window 1" test "$(printf '%s\n' "$out" | head -1)" = "Окно №1. Расчет БНС."
check "last line is the water of the final mix" \
    test "$(printf '%s\n' "$out" | tail -1)" = "Расход воды: 223 кг/куб.м."

"$calc" bns edClassBet= >/tmp/calc-out.$$ 2>/tmp/calc-err.$$; code=$?
check "conversion failure exits 1" test "$code" -eq 1
check "nothing on stdout after a failure" test ! -s /tmp/calc-out.$$
check "the reason on stderr" grep -q '"" не является правильным числом.' /tmp/calc-err.$$

"$calc" bns rgEconomy=0 >/dev/null 2>&1; code=$?
check "ambiguous name exits 2" test "$code" -eq 2
"$calc" bns edNoSuchControl=1 >/dev/null 2>&1; code=$?
check "unknown name exits 2" test "$code" -eq 2
"$calc" bns rgZapolnitel=3 >/dev/null 2>&1; code=$?
check "item index out of range exits 2" test "$code" -eq 2
"$calc" bns --options /nonexistent/options.slv >/dev/null 2>&1; code=$?
check "unreadable options file exits 2" test "$code" -eq 2
"$calc" >/dev/null 2>&1; code=$?
check "no job exits 2" test "$code" -eq 2
"$calc" bns --options >/dev/null 2>&1; code=$?
check "an option without its value exits 2" test "$code" -eq 2
"$calc" bns --help >/tmp/calc-out.$$ 2>/tmp/calc-err.$$; code=$?
check "--help exits 0" test "$code" -eq 0 -a ! -s /tmp/calc-err.$$
check "with the usage on stdout" grep -q '^Использование: loviz-calc JOB' /tmp/calc-out.$$

"$calc" bns --cp1251 >/tmp/calc-out.$$ 2>/dev/null
check "Windows-1251 with CR LF" \
    test "$(head -c 8 /tmp/calc-out.$$ | od -An -tx1 | tr -d ' \n')" = "ceeaedee20b9312e"
check "lines end in CR LF" grep -q $'\r$' /tmp/calc-out.$$

"$calc" bns TfmOptions.rgEconomy=0 Teconomy.rgEconomy=3 >/dev/null 2>/tmp/calc-err.$$; code=$?
check "refused measure exits 1 with its message" test "$code" -eq 1
check "refusal message" grep -q 'Данный прием рекомендуется только при нормировании морозостойкости' /tmp/calc-err.$$

"$calc" bns >/dev/full 2>/dev/null; code=$?
check "a report that cannot be written exits 1" test "$code" -eq 1

# A pipe whose reader has gone: the write end of a FIFO whose only reader is closed.
fifo=/tmp/calc-fifo.$$
mkfifo "$fifo"; exec 3<>"$fifo"; exec 4>"$fifo"; exec 3<&-
"$calc" bns >&4 2>/tmp/calc-err.$$; code=$?
exec 4>&-; rm -f "$fifo"
check "a closed pipe exits 1, not by a signal" test "$code" -eq 1
check "and says why" grep -q 'стандартный вывод' /tmp/calc-err.$$

for text in $'10\nЛишняя строка' $'20\t' $'\xff25'; do
    "$calc" bns "edT_prop=$text" >/tmp/calc-out.$$ 2>/dev/null; code=$?
    check "a text with a control character or not UTF-8 is bad usage" test "$code" -eq 2
    check "and prints no report" test ! -s /tmp/calc-out.$$
done

printf '\0\0\0\0\1\0\0\0\0\0\0\0\1\0\0\0\1\0\0\0\0\0\0\0' >/tmp/calc-opt.$$
printf '\x8f\xc2\xf5\x28\x5c\x8f\x08\x40' >>/tmp/calc-opt.$$ # 3.07
printf '\x33\x33\x33\x33\x33\x33\x05\x40' >>/tmp/calc-opt.$$ # 2.65
printf '\xe1\x7a\x14\xae\x47\xe1\x04\x40' >>/tmp/calc-opt.$$ # 2.61
"$calc" bns --options /tmp/calc-opt.$$ >/tmp/calc-out.$$ 2>/dev/null; code=$?
check "an options file is loaded first" test "$code" -eq 0
check "its waterproofness grade is standardised" grep -q '^Марка по водонепроницаемости W4' /tmp/calc-out.$$
check "its limit W/C 0,55 and cement density 3,07 give the mix" \
    grep -q '^Расход песка: 638 кг/куб.м.' /tmp/calc-out.$$

out=$("$calc" bns TfmOptions.rgEconomy=0 Teconomy.rgEconomy=1 edMarka_C=600); code=$?
check "a higher grade typed into the measure dialog" test "$code" -eq 0
check "is the grade the mix is designed with" \
    grep -qx 'Увеличена марка цемента до М600' <<<"$out"
check "and gives its cement" grep -qx 'Окончательный расход цемента: 228 кг/куб.м.' <<<"$out"

"$calc" bns TfmOptions.rgEconomy=0 Teconomy.rgEconomy=1 edMarka_C=0 \
    >/tmp/calc-out.$$ 2>/tmp/calc-err.$$; code=$?
check "grade 0: W/C 0 is taken, the cement divides by it, the mix after it too: no report" \
    test "$code" -eq 1 -a ! -s /tmp/calc-out.$$
check "both divisions say so" \
    test "$(grep -cx 'Ошибка вычисления: деление на ноль.' /tmp/calc-err.$$)" -eq 2

out=$("$calc" strength edRb1=30 edC_V1=2,0 edRb2=20 edC_V2=1,5 edRtr=25 edV=180); code=$?
check "the correction by strength" test "$code" -eq 0
check "its caption" \
    test "$(head -1 <<<"$out")" = "Корректирование состава бетона по прочности. Окно №1"
check "its cement" grep -qx 'Откорректированный расход цемента: 315 кг/куб.м.' <<<"$out"
out=$("$calc" aggregates edP=600 edSC=1200 edVoda=180 edWp=5 edWsc=2 edXp_sc=5 edYsc_p=10)
check "the correction by aggregates gives its water" \
    grep -qx 'Откорректированный расход воды: 124 кг/куб.м.' <<<"$out"
"$calc" strength edRb1=30 edC_V1=2,0 edRb2=30 edC_V2=1,5 edRtr=25 edV=180 \
    >/tmp/calc-out.$$ 2>/tmp/calc-err.$$; code=$?
check "equal strengths exit 1 with the arithmetic message" \
    grep -qx 'Ошибка вычисления: деление на ноль.' /tmp/calc-err.$$
check "and print nothing" test "$code" -eq 1 -a ! -s /tmp/calc-out.$$
"$calc" strength edP=600 >/dev/null 2>&1; code=$?
check "an edit of the other page is unknown" test "$code" -eq 2

five=(edB=20); ten=(edB=20)
for k in 1 2 3 4 5; do for j in 1 2 3 4 5 6; do five+=("edR${k}_${j}=$((21 + j))"); done; done
for k in 1 2 3 4 5 6 7 8 9 10; do for j in 1 2 3; do ten+=("edR${k}_${j}=$((19 + j))"); done; done
out=$("$calc" period5 "${five[@]}"); code=$?
check "the analysed period of five batches" test "$code" -eq 0
check "its level" grep -qx 'Средний уровень прочности: 23,1 МПа' <<<"$out"
out=$("$calc" period10 "${ten[@]}")
check "of ten batches, its lower correction limit" \
    test "$(tail -1 <<<"$out")" = "Нижний предел корректирования: 19,6 МПа"
"$calc" period10 >/tmp/calc-out.$$ 2>/tmp/calc-err.$$; code=$?
check "samples left empty exit 1" test "$code" -eq 1 -a ! -s /tmp/calc-out.$$
check "with the program's message" grep -qx 'Ошибка при вводе данных' /tmp/calc-err.$$
"$calc" period5 edR6_1=20 >/dev/null 2>&1; code=$?
check "a batch the scheme does not have is unknown" test "$code" -eq 2

rm -f /tmp/calc-out.$$ /tmp/calc-opt.$$ /tmp/calc-err.$$
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# Sets up and builds, checks the formatting, then runs the whole test suite (the GUI tests
# offscreen) three times: as built; under the Russian locale, whose decimal separator is a
# comma, to show that no number text depends on the environment; and built with
# AddressSanitizer and UndefinedBehaviorSanitizer, which stop at their first report.
# The register's database tests run on SQLite and on a throw-away PostgreSQL server of the
# suite's own (tools/testdatabase.sh), stopped and removed at the end whatever the outcome.
# Arguments go to each ctest run (./test.sh -R core).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$root/tools/setup.sh"
"$root/tools/checkformat.sh"
export QT_QPA_PLATFORM=offscreen

database=$(mktemp -d "${TMPDIR:-/tmp}/loviz-test-pg.XXXXXX")
trap '"$root/tools/testdatabase.sh" stop "$database"' EXIT
echo "== A PostgreSQL server for the register's tests"
address=$("$root/tools/testdatabase.sh" start "$database")
export LOVIZ_TEST_POSTGRESQL="$address"
echo "$LOVIZ_TEST_POSTGRESQL"

echo "== The suite"
(cd "$root/build" && ctest --output-on-failure -j2 "$@")

echo "== The suite under ru_RU.UTF-8"
(cd "$root/build" && LC_ALL=ru_RU.UTF-8 LANG=ru_RU.UTF-8 ctest --output-on-failure -j2 "$@")

echo "== The suite with AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/tools/setup.sh" --sanitize
(cd "$root/build-sanitize" \
    && ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
       UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
       ctest --output-on-failure -j2 "$@")

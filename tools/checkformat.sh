#!/usr/bin/env bash
# Fails, naming the files, when a source file differs from what clang-format makes of it with
# the project's .clang-format. To format: tools/checkformat.sh --fix
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mapfile -t files < <(find src tests benchmarks -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/loviz-format.$$; then
    echo "Not formatted (run tools/checkformat.sh --fix):"
    grep -o '^[^:]*:' /tmp/loviz-format.$$ | sort -u | sed 's/:$//; s/^/  /'
    rm -f /tmp/loviz-format.$$
    exit 1
fi
rm -f /tmp/loviz-format.$$

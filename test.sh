#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite (the GUI tests on the offscreen platform).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$root/tools/setup.sh"
export QT_QPA_PLATFORM=offscreen
cd "$root/build"
ctest --output-on-failure -j2 "$@"

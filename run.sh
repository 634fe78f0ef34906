#!/usr/bin/env bash
# Sets up, builds and starts the program. Arguments go to the program ("-ns" skips the splash).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$root/tools/setup.sh"
exec "$root/build/loviz" "$@"

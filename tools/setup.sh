#!/usr/bin/env bash
# Shared set-up of ./run.sh and ./test.sh: installs the Debian packages of packages.txt that
# are missing, then configures and builds the project in build/ with two jobs.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

install_packages() {
    local missing=()
    local package
    while read -r package; do
        [ -z "$package" ] && continue
        case "$package" in \#*) continue ;; esac
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done < "$root/packages.txt"
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build_project() {
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j2
}

install_packages
build_project

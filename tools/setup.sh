#!/usr/bin/env bash
# Shared set-up of ./run.sh and ./test.sh: installs the Debian packages of packages.txt that
# are missing and the Russian locale, then configures and builds the project with two jobs,
# in build/; with --sanitize in build-sanitize/ instead, built with AddressSanitizer and
# UndefinedBehaviorSanitizer (the first report ends the program).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

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

    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# The tests run once under a locale whose decimal separator is a comma.
install_locale() {
    locale -a 2>/dev/null | grep -qix 'ru_RU.utf8' && return 0
    echo "Generating the locale ru_RU.UTF-8"
    "${sudo[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
}

build_project() {
    local build="$1"
    shift
    cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
    cmake --build "$build" -j2
}

install_packages
install_locale
if [ "${1:-}" = "--sanitize" ]; then
    flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    build_project "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug \
        "-DCMAKE_CXX_FLAGS=-O1 $flags" "-DCMAKE_EXE_LINKER_FLAGS=$flags"
else
    build_project "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi

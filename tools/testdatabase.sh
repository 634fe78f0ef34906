#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests, in a folder of its own, listening on a Unix
# socket only (nothing on the network).
#   tools/testdatabase.sh start DIR   initialises a cluster in DIR/pg, starts it with its socket
#                                     in DIR/sock, makes the database "loviz" and prints its
#                                     address: postgresql:///loviz?host=DIR/sock
#   tools/testdatabase.sh stop DIR    stops the server and removes DIR
# Run as root (as CI runs), the server runs as the unprivileged user postgres, which must own
# its folders; run as anyone else, it runs as that user.
set -euo pipefail

command="${1:-}"
dir="${2:-}"
if [ -z "$dir" ] || { [ "$command" != start ] && [ "$command" != stop ]; }; then
    echo "usage: $0 start|stop DIR" >&2
    exit 2
fi

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1 || true)
if [ -z "$bin" ] || [ ! -x "$bin/pg_ctl" ]; then
    echo "testdatabase: no PostgreSQL server (the package postgresql) is installed" >&2
    exit 1
fi

as_server() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

if [ "$command" = stop ]; then
    if [ -f "$dir/pg/postmaster.pid" ]; then
        as_server "$bin/pg_ctl" -D "$dir/pg" -m fast -w stop >/dev/null || true
    fi
    rm -rf "$dir"
    exit 0
fi

mkdir -p "$dir/pg" "$dir/sock"
if [ "$(id -u)" -eq 0 ]; then
    # The server's user must reach the folder and own what the server writes.
    chmod 755 "$dir"
    chown postgres "$dir/pg" "$dir/sock"
fi
log="$dir/pg/server.log"
if ! as_server "$bin/initdb" -D "$dir/pg" -A trust -E UTF8 --no-locale >"$dir/initdb.log" 2>&1; then
    cat "$dir/initdb.log" >&2
    exit 1
fi
if ! as_server "$bin/pg_ctl" -D "$dir/pg" -l "$log" -w -t 120 \
        -o "-k $dir/sock -c listen_addresses=''" start >/dev/null; then
    cat "$log" >&2 || true
    exit 1
fi
user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
    as_server "$bin/createuser" -h "$dir/sock" -s "$user"
fi
as_server "$bin/createdb" -h "$dir/sock" -O "$user" loviz
echo "postgresql:///loviz?host=$dir/sock"

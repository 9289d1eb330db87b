#!/bin/bash
# A private cupsd on a free loopback port, with its own configuration in a
# temporary folder, for the tests and the demo.
#
#   sandbox-cups.sh start DIR [--owner PID] [--port N] [PPD NAME]...
#                                             start it, add one queue per pair,
#                                             print the CUPS_SERVER value; with
#                                             --owner, the daemon ends when that
#                                             process does, however it ends;
#                                             --port: that port, not any free one
#   sandbox-cups.sh stop DIR                  stop it and remove DIR
#   sandbox-cups.sh halt DIR                  stop the daemon, keep its state
#   sandbox-cups.sh resume DIR                start it again on the same port
set -euo pipefail

cmd=${1:-}
dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR [PPD NAME]..." >&2; exit 2; }
shift 2

free_port() {
    python3 - <<'PY'
import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])
s.close()
PY
}

run_daemon() {
    /usr/sbin/cupsd -f -c "$1/conf/cupsd.conf" -s "$1/conf/cups-files.conf" \
        >>"$1/log/cupsd.out" 2>&1 &
    echo $! >"$1/cupsd.pid"
    if [ -f "$1/owner" ]; then
        # A test killed by its time limit never runs its own stop.
        local owner daemon=$!
        owner=$(cat "$1/owner")
        (while kill -0 "$owner" 2>/dev/null && kill -0 "$daemon" 2>/dev/null; do sleep 1; done
         if kill "$daemon" 2>/dev/null; then sleep 5; kill -9 "$daemon" 2>/dev/null || true; fi
        ) </dev/null >/dev/null 2>&1 &
    fi
    export CUPS_SERVER=$(cat "$1/server")
    for _ in $(seq 1 100); do
        lpstat -r >/dev/null 2>&1 && break
        sleep 0.1
    done
    lpstat -r >/dev/null 2>&1 || { cat "$1/log/"* >&2; exit 1; }
}

halt_daemon() {
    if [ -f "$1/cupsd.pid" ]; then
        pid=$(cat "$1/cupsd.pid")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
        rm -f "$1/cupsd.pid"
    fi
}

case "$cmd" in
start)
    owner=
    port=
    if [ "${1:-}" = --owner ]; then owner=${2:?--owner needs a process id}; shift 2; fi
    if [ "${1:-}" = --port ]; then port=${2:?--port needs a number}; shift 2; fi
    mkdir -p "$dir"/{conf,state,cache,spool,tmp,log,ppd}
    dir=$(cd "$dir" && pwd)
    [ -n "$port" ] || port=$(free_port)
    cat >"$dir/conf/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
LogLevel warn
AccessLogLevel all
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    cat >"$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
StateDir $dir/state
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice Yes
CONF
    [ -z "$owner" ] || echo "$owner" >"$dir/owner"
    echo "127.0.0.1:$port" >"$dir/server"
    run_daemon "$dir"
    while [ $# -ge 2 ]; do
        # A loaded machine can refuse a connection now and then: try again.
        for try in 1 2 3 4 5; do
            lpadmin -p "$2" -E -v file:///dev/null -P "$1" 2>"$dir/log/lpadmin.err" && break
            [ "$try" -lt 5 ] || { cat "$dir/log/lpadmin.err" >&2; exit 1; }
            sleep 0.5
        done
        shift 2
    done
    echo "$CUPS_SERVER"
    ;;
stop)
    halt_daemon "$dir"
    rm -rf "$dir"
    ;;
halt)
    halt_daemon "$dir"
    ;;
resume)
    dir=$(cd "$dir" && pwd)
    [ -f "$dir/cupsd.pid" ] || run_daemon "$dir"
    ;;
*)
    echo "unknown command: $cmd" >&2; exit 2 ;;
esac

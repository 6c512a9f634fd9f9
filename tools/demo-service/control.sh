#!/usr/bin/env bash
# Starts and stops the demo extraction service on 127.0.0.1:PORT.
#   control.sh start PORT   start it in the background (if it is not running
#                           yet) and wait until it accepts connections
#   control.sh stop PORT    stop the instance started for PORT
# The process id is kept in /tmp/px-demo-service-PORT.pid, its output in
# /tmp/px-demo-service-PORT.log.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
action="${1:-}"
port="${2:-}"
if [[ ! "$action" =~ ^(start|stop)$ || ! "$port" =~ ^[0-9]+$ ]]; then
  echo "usage: control.sh start|stop PORT" >&2
  exit 2
fi
pidfile="/tmp/px-demo-service-$port.pid"
logfile="/tmp/px-demo-service-$port.log"

accepting() {
  (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null
}

running_pid() {
  local pid
  [ -f "$pidfile" ] || return 1
  pid="$(cat "$pidfile")"
  [[ "$pid" =~ ^[0-9]+$ ]] && kill -0 "$pid" 2>/dev/null || return 1
  # A reused process id belongs to someone else.
  tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q "server.py $port" || return 1
  echo "$pid"
}

case "$action" in
  start)
    if pid="$(running_pid)" && accepting; then
      echo "demo service already running on port $port (pid $pid)"
      exit 0
    fi
    if accepting; then
      echo "port $port is taken by another program" >&2
      exit 1
    fi
    nohup python3 "$here/server.py" "$port" >"$logfile" 2>&1 </dev/null &
    pid=$!
    echo "$pid" >"$pidfile"
    for _ in $(seq 100); do
      if accepting; then
        echo "demo service on port $port (pid $pid)"
        exit 0
      fi
      if ! kill -0 "$pid" 2>/dev/null; then break; fi
      sleep 0.1
    done
    echo "demo service did not start; see $logfile" >&2
    kill "$pid" 2>/dev/null || true
    rm -f "$pidfile"
    exit 1
    ;;
  stop)
    if pid="$(running_pid)"; then
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
      kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null || true
      echo "demo service on port $port stopped"
    fi
    rm -f "$pidfile"
    ;;
esac

#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it against the demo
# extraction service, started on the port of the program's SERVICE_HOST when
# that is a local host:port (the default is 127.0.0.1:28080).
#   tools/run.sh                    with a display the program runs until you
#                                   close it; without one, as --screenshot
#                                   build/main-window.png on a fresh Xvfb
#   tools/run.sh --screenshot FILE  one extract, then a PNG of the window with
#                                   the list it shows is written to FILE and
#                                   the program is closed
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PX_BUILD_DIR:-$root/build}"

shot=""
case "${1:-}" in
  "") ;;
  --screenshot)
    [ -n "${2:-}" ] || { echo "usage: tools/run.sh [--screenshot FILE]" >&2; exit 2; }
    shot="$(realpath -m "$2")" ;;
  *) echo "usage: tools/run.sh [--screenshot FILE]" >&2; exit 2 ;;
esac

bash "$root/tools/setup.sh"

echo "== Windows build of the program"
cmake -S "$root" -B "$build/win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win" -j "$(nproc)" --target proxy-extract px-driver

had_display="${DISPLAY:-}"
if [ -z "$had_display" ] && [ -z "$shot" ]; then shot="$build/main-window.png"; fi
export PX_BUILD_DIR="$build"
# shellcheck source=wine-env.sh
source "$root/tools/wine-env.sh"

# The demo service stands in for the extraction service when the program
# was built for a local one.
host="$(sed -n 's/^SERVICE_HOST:[A-Z]*=//p' "$build/win/CMakeCache.txt")"
port=""
case "$host" in
  127.0.0.1:[0-9]* | localhost:[0-9]*) port="${host##*:}" ;;
  *) echo "run: the program uses the extraction service at $host" ;;
esac

service_started=""
cleanup() {
  if [ -n "$service_started" ]; then
    "$root/tools/demo-service/control.sh" stop "$port" >/dev/null || true
  fi
  px_wine_env_cleanup
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display and no free Xvfb display number" >&2
  exit 1
fi

if [ -n "$port" ]; then
  # Leave an instance that was already running alone, and running.
  if ! started="$("$root/tools/demo-service/control.sh" start "$port")"; then
    echo "run: the demo service could not start on port $port" >&2
    exit 1
  fi
  echo "$started"
  case "$started" in *"already running"*) ;; *) service_started=yes ;; esac
fi

program="$build/win/app/proxy-extract.exe"
driver="$build/win/tools/driver/px-driver.exe"

if [ -z "$shot" ]; then
  echo "== running the program (close its window to end)"
  wine "$program"
  exit 0
fi

# Writes the window's part of the screen, with a margin for its shadow, to
# $shot. Wine gives each top-level window an X window of the same geometry.
window_screenshot() {
  local line geometry width height left top margin=12 whole
  line="$(xwininfo -root -tree | grep -F '("proxy-extract.exe" "proxy-extract.exe")' |
          grep -vE ' [0-9]x[0-9]\+' | head -n 1)" || true
  geometry="$(grep -oE '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+ +\+-?[0-9]+\+-?[0-9]+' <<<"$line")" || true
  if [ -z "$geometry" ]; then
    echo "run: the program's window is not on the display" >&2
    return 1
  fi
  read -r width height left top < <(sed -E 's/^([0-9]+)x([0-9]+)\S* +\+(-?[0-9]+)\+(-?[0-9]+)$/\1 \2 \3 \4/' <<<"$geometry")
  left=$((left > margin ? left - margin : 0))
  top=$((top > margin ? top - margin : 0))
  mkdir -p "$(dirname "$shot")"
  whole="$(mktemp --suffix=.png)"
  import -window root "$whole"
  convert "$whole" -crop "$((width + 2 * margin))x$((height + 2 * margin))+$left+$top" +repage \
    -strip "$shot"
  rm -f "$whole"
}

echo "== one extract on display $DISPLAY, then a screenshot"
# The program writes ip.txt into its current directory; keep that in build/.
(cd "$build" && exec wine "$program") &
program_pid=$!
status=0
wine "$driver" extract 60 || status=$?
if [ "$status" -eq 0 ]; then
  window_screenshot || status=$?
  [ "$status" -ne 0 ] || echo "screenshot: $shot"
fi
wine "$driver" close 20 || true
wait "$program_pid" || true
exit "$status"

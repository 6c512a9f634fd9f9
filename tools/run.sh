#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it against the demo
# extraction service on 127.0.0.1:28080 (the program's default host).
# With a display the program runs until you close it. Without one, Xvfb is
# started, one extract is performed, a screenshot of the window is written
# to build/main-window.png and the program is closed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PX_BUILD_DIR:-$root/build}"
port=28080

bash "$root/tools/setup.sh"

echo "== Windows build of the program"
cmake -S "$root" -B "$build/win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win" -j "$(nproc)" --target proxy-extract px-driver

had_display="${DISPLAY:-}"
export PX_BUILD_DIR="$build"
# shellcheck source=wine-env.sh
source "$root/tools/wine-env.sh"

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

# Leave an instance that was already running alone, and running.
if ! started="$("$root/tools/demo-service/control.sh" start "$port")"; then
  echo "run: the demo service could not start on port $port" >&2
  exit 1
fi
echo "$started"
case "$started" in *"already running"*) ;; *) service_started=yes ;; esac

program="$build/win/app/proxy-extract.exe"
driver="$build/win/tools/driver/px-driver.exe"

if [ -n "$had_display" ]; then
  echo "== running the program (close its window to end)"
  wine "$program"
  exit 0
fi

echo "== no display: one extract on Xvfb, then a screenshot"
# The program writes ip.txt into its current directory; keep that in build/.
(cd "$build" && exec wine "$program") &
program_pid=$!
status=0
wine "$driver" extract 60 || status=$?
if [ "$status" -eq 0 ]; then
  import -window root "$build/main-window.png"
  echo "screenshot: $build/main-window.png"
fi
wine "$driver" close 20 || true
wait "$program_pid" || true
exit "$status"

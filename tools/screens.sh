#!/usr/bin/env bash
# Takes the reference screenshots of the skin, so that a change to the skin
# layer can be checked pixel by pixel against the look before it:
#   main-idle.png     the main window just after it appeared
#   main-extract.png  the main window after one extract
#   main-close-hot.png  the same with the mouse on the drawn close button
#   skin-demo.png     the skin demo window (tools/skin-demo)
#
#   tools/screens.sh OUTDIR [PORT]
#
# The program must be built with SERVICE_HOST=127.0.0.1:PORT (default port
# 28080, the program's default host); the demo service is started on PORT
# for the extract. Needs DISPLAY (an Xvfb of your own) and PX_BUILD_DIR.
# Compare two sets with
#   for f in OLD/*.png; do compare -metric AE "$f" NEW/$(basename "$f") null:; echo " $f"; done
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:?usage: screens.sh OUTDIR [PORT]}"
port="${2:-28080}"
: "${DISPLAY:?screens.sh needs DISPLAY}"
build="${PX_BUILD_DIR:-$root/build}"
program="$build/win/app/proxy-extract.exe"
driver="$build/win/tools/driver/px-driver.exe"
demo="$build/win/tools/skin-demo/skin-demo.exe"
for f in "$program" "$driver" "$demo"; do
  [ -f "$f" ] || { echo "screens: $f is not built" >&2; exit 1; }
done
if ! grep -q "^SERVICE_HOST:STRING=127.0.0.1:$port\$" "$build/win/CMakeCache.txt"; then
  echo "screens: the program is not built with SERVICE_HOST=127.0.0.1:$port" >&2
  exit 1
fi
mkdir -p "$out"
out="$(cd "$out" && pwd)"

export PX_BUILD_DIR="$build"
# shellcheck source=wine-env.sh
source "$root/tools/wine-env.sh"
"$root/tools/demo-service/control.sh" start "$port" >/dev/null
work="$(mktemp -d)"
cleanup() {
  wine "$driver" close 20 >/dev/null 2>&1 || true
  "$root/tools/demo-service/control.sh" stop "$port" >/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

shot() { import -window root "$out/$1"; echo "screens: $out/$1"; }

# The program writes ip.txt into its current directory.
(cd "$work" && exec wine "$program") &
wine "$driver" park
wine "$driver" wait 60
shot main-idle.png
wine "$driver" extract 60 >/dev/null
shot main-extract.png
wine "$driver" hover-close 20
shot main-close-hot.png
wine "$driver" park
wine "$driver" close 20
wait

wine "$demo" --screenshot-hold 4000 &
sleep 3
shot skin-demo.png
wait

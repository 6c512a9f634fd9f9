#!/usr/bin/env bash
# Takes the reference screenshots of the skin, so that a change to the skin
# layer can be checked pixel by pixel against the look before it:
#   main-idle.png     the main window just after it appeared
#   main-extract.png  the main window after one extract
#   main-close-hot.png  the same with the mouse on the drawn close button
#   skin-demo.png     the skin demo window (tools/skin-demo)
#
#   tools/screens.sh OUTDIR [PORT [WIN_BUILD]]
#
# The program must be built with SERVICE_HOST=127.0.0.1:PORT (default port
# 28080, the program's default host); the demo service is started on PORT
# for the extract. WIN_BUILD is the Windows build folder holding the
# programs (default $PX_BUILD_DIR/win), so that the shots of another
# revision's build can be taken with the same Wine prefix. Needs DISPLAY
# (an Xvfb of your own) and PX_BUILD_DIR. The caret of the focused edit box
# is kept from blinking while the shots are taken, so that they do not
# depend on its phase. Each shot waits for the screen to stand still (see
# shot below); the demo's only once px-driver has seen its window shown.
# Compare two sets with
#   for f in OLD/*.png; do compare -metric AE "$f" NEW/$(basename "$f") null:; echo " $f"; done
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:?usage: screens.sh OUTDIR [PORT]}"
port="${2:-28080}"
: "${DISPLAY:?screens.sh needs DISPLAY}"
build="${PX_BUILD_DIR:-$root/build}"
win="${3:-$build/win}"
program="$win/app/proxy-extract.exe"
driver="$win/tools/driver/px-driver.exe"
demo="$win/tools/skin-demo/skin-demo.exe"
for f in "$program" "$driver" "$demo"; do
  [ -f "$f" ] || { echo "screens: $f is not built" >&2; exit 1; }
done
if ! grep -q "^SERVICE_HOST:STRING=127.0.0.1:$port\$" "$win/CMakeCache.txt"; then
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
desktop='HKCU\Control Panel\Desktop'
wine reg add "$desktop" /v CursorBlinkRate /t REG_SZ /d 600000 /f >/dev/null 2>&1
cleanup() {
  wine "$driver" close 20 >/dev/null 2>&1 || true
  wine reg add "$desktop" /v CursorBlinkRate /t REG_SZ /d 530 /f >/dev/null 2>&1 || true
  "$root/tools/demo-service/control.sh" stop "$port" >/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Under Wine through an emulator a window can take seconds to appear and
# finish painting, so no fixed wait is long enough: a shot is taken once the
# screen stands still (two grabs half a second apart are the same to the
# pixel) and, with a second argument, once it differs from that earlier
# shot (the look the step must change). After 60 s the last grab is kept
# and the screen's unrest reported.
shot() {
  local name="$1" unlike="${2:-}" grab="$work/grab.png" last="$work/last.png"
  local tries=120
  rm -f "$last"
  while :; do
    import -window root "$grab"
    if [ -f "$last" ] && [ "$(compare -metric AE "$grab" "$last" null: 2>&1)" = 0 ] &&
       { [ -z "$unlike" ] || [ "$(compare -metric AE "$grab" "$unlike" null: 2>&1)" != 0 ]; }; then
      break
    fi
    tries=$((tries - 1))
    if [ "$tries" -le 0 ]; then
      echo "screens: $name: the screen did not settle in 60 s" >&2
      break
    fi
    mv "$grab" "$last"
    sleep 0.5
  done
  mv "$grab" "$out/$name"
  echo "screens: $out/$name"
}

# The program writes ip.txt into its current directory.
(cd "$work" && exec wine "$program") &
wine "$driver" park
wine "$driver" wait 60
shot main-idle.png
wine "$driver" extract 60 >/dev/null
shot main-extract.png
wine "$driver" hover-close 20
shot main-close-hot.png "$out/main-extract.png"
wine "$driver" park
wine "$driver" close 20
wait

# The demo holds its window for 20 s after showing it, long enough for the
# shot however slowly it paints.
wine "$demo" --screenshot-hold 20000 &
wine "$driver" shown "岚舟皮肤演示" 60
shot skin-demo.png
wait

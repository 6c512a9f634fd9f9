#!/usr/bin/env bash
# Source this: prepares the environment in which the program and its tests
# run under Wine. Needs PX_BUILD_DIR (the build folder; the Wine prefix is
# cached there).
#  - code page 936 through the zh_CN.UTF-8 locale;
#  - a private prefix with a font replacement for 宋体/SimSun (GDI+ draws no
#    text without it), a virtual desktop (no 2 s wait per hidden window) and
#    no crash dialog: Wine's debugger prints the crashed program's backtrace
#    and the program ends at once, its output shown, instead of a dialog
#    that nobody closes keeping it until its time limit;
#  - an Xvfb display when there is none.
# PX_WINE_VERSION (winxp, win7, win10, ...) chooses the Windows version Wine
# reports; each version gets a prefix of its own, build/wineprefix-<version>.
# Unset, the prefix is build/wineprefix with Wine's default version.

: "${PX_BUILD_DIR:?PX_BUILD_DIR must name the build folder}"
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="$PX_BUILD_DIR/wineprefix${PX_WINE_VERSION:+-$PX_WINE_VERSION}"

px_tools_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if [ -z "${DISPLAY:-}" ]; then
  # Xvfb picks a free display number itself and writes it to descriptor 3
  # once it accepts clients, so that environments made at the same time
  # never take the same display.
  px_display_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$px_display_file" >/dev/null 2>&1 &
  PX_XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$px_display_file" ] && break; sleep 0.1; done
  if [ ! -s "$px_display_file" ]; then
    echo "wine-env: Xvfb did not start (is the xvfb package installed?)" >&2
    rm -f "$px_display_file"
    return 1 2>/dev/null || exit 1
  fi
  export DISPLAY=":$(head -n 1 "$px_display_file")"
  rm -f "$px_display_file"
fi

# The prefix's settings change rarely; a prefix made with older ones is made
# again.
# Two environments may ask for the same prefix at once (the test lanes of
# tools/test.sh): the one that makes it holds a lock the other waits for.
px_prefix_settings=2
mkdir -p "$(dirname "$WINEPREFIX")"
exec {px_prefix_lock}>"$WINEPREFIX.lock"
flock "$px_prefix_lock"
if [ "$(cat "$WINEPREFIX/.px-ready" 2>/dev/null)" != "$px_prefix_settings" ]; then
  echo "wine-env: creating the Wine prefix in $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # The .reg file must be GBK: regedit reads it in the ANSI code page.
  regfile="$WINEPREFIX/px-settings.reg"
  iconv -f UTF-8 -t GBK > "$regfile" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="AR PL UMing CN"
"宋体"="AR PL UMing CN"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  if [ -n "${PX_WINE_VERSION:-}" ]; then
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine]\n"Version"="%s"\n' "$PX_WINE_VERSION" >> "$regfile"
  fi
  wine regedit "$regfile" >/dev/null 2>&1
  wineserver -w
  echo "$px_prefix_settings" > "$WINEPREFIX/.px-ready"
fi
flock -u "$px_prefix_lock"
exec {px_prefix_lock}>&-

# Keep one wineserver alive for the whole run: every test process starts faster.
wineserver -p >/dev/null 2>&1 || true
# Start the prefix's own processes (desktop, services) now, detached from any
# caller's output pipes.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

px_wine_env_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${PX_XVFB_PID:-}" ]; then kill "$PX_XVFB_PID" 2>/dev/null || true; fi
}

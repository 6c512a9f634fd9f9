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
  for n in $(seq 99 -1 60); do
    # A lock left by an X server that no longer runs does not hold the number.
    if [ -e "/tmp/.X$n-lock" ]; then
      lock_pid="$(tr -d ' ' < "/tmp/.X$n-lock" 2>/dev/null)"
      if [ -n "$lock_pid" ] && ! kill -0 "$lock_pid" 2>/dev/null; then
        rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
      fi
    fi
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      PX_XVFB_PID=$!
      export DISPLAY=":$n"
      for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
      break
    fi
  done
fi

# The prefix's settings change rarely; a prefix made with older ones is made
# again.
px_prefix_settings=2
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

# Keep one wineserver alive for the whole run: every test process starts faster.
wineserver -p >/dev/null 2>&1 || true
# Start the prefix's own processes (desktop, services) now, detached from any
# caller's output pipes.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

px_wine_env_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${PX_XVFB_PID:-}" ]; then kill "$PX_XVFB_PID" 2>/dev/null || true; fi
}

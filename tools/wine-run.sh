#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest. Wine may start long-lived
# helper processes (wineserver, the desktop, services) that inherit the
# output descriptors; ctest would then wait for them forever. The program's
# output goes to a file instead and is printed once the program has ended.
# A program still running after PX_WINE_RUN_LIMIT seconds (default 540,
# below ctest's 600) is stopped, so that what it printed is still shown.
out="$(mktemp)"
timeout -k 10 "${PX_WINE_RUN_LIMIT:-540}" wine "$@" </dev/null >"$out" 2>&1
rc=$?
cat "$out"
if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
  echo "wine-run: stopped after ${PX_WINE_RUN_LIMIT:-540} s: $1" >&2
fi
rm -f "$out"
exit $rc

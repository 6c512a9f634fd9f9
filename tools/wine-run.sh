#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest. Wine may start long-lived
# helper processes (wineserver, the desktop, services) that inherit the
# output descriptors; ctest would then wait for them forever. The program's
# output goes to a file instead and is printed once the program has ended.
out="$(mktemp)"
wine "$@" </dev/null >"$out" 2>&1
rc=$?
cat "$out"
rm -f "$out"
exit $rc

#!/usr/bin/env bash
# Checks that an exe can be loaded by Windows XP SP3:
#   check_xp_imports.sh EXE LIST
# Fails when the exe imports a function named in LIST (functions that XP's
# system DLLs lack, one a line, "#" comments) or when its PE header asks for
# a subsystem version above 5.01 (XP is 5.1).
set -uo pipefail
export LC_ALL=C
exe="$1" list="$2"
objdump=i686-w64-mingw32-objdump
failures=0
fail() { echo "check_xp_imports: $*" >&2; failures=$((failures + 1)); }

headers="$($objdump -p "$exe")" || { echo "check_xp_imports: cannot read $exe" >&2; exit 1; }

# "DLL Name: X" starts a DLL's imports; its functions follow as lines of
# hint and name ("<vma> <hint> <name>") until the next DLL or a blank line.
imports="$(awk '
  /^[ \t]*DLL Name: / { dll = $3; reading = 0; next }
  dll != "" && /Hint\/Ord/ { reading = 1; next }
  reading && NF == 0 { reading = 0; dll = ""; next }
  reading && NF >= 3 { print dll "!" $NF }
' <<<"$headers")"
[ -n "$imports" ] || fail "no imported functions found in $exe"

missing="$(grep -v -e '^\s*#' -e '^\s*$' "$list" | tr -d ' \t\r')"
count=0
for name in $missing; do
  hits="$(grep -E "!${name}\$" <<<"$imports" || true)"
  if [ -n "$hits" ]; then
    for hit in $hits; do fail "$(basename "$exe") imports $hit, which Windows XP lacks"; done
  fi
  count=$((count + 1))
done

major="$(sed -n 's/^MajorSubsystemVersion\s*//p' <<<"$headers")"
minor="$(sed -n 's/^MinorSubsystemVersion\s*//p' <<<"$headers")"
if [ -z "$major" ] || [ -z "$minor" ]; then
  fail "no subsystem version in the PE header of $exe"
elif [ "$major" -gt 5 ] || { [ "$major" -eq 5 ] && [ "$minor" -gt 1 ]; }; then
  fail "$(basename "$exe") asks for subsystem version $major.$minor, above Windows XP's 5.1"
fi

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "check_xp_imports: $(basename "$exe"): $(wc -l <<<"$imports") imported functions, none of the $count XP lacks; subsystem version $major.$minor"

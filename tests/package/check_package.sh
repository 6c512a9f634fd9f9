#!/usr/bin/env bash
# Checks the unpacked release package:
#   check_package.sh ZIP FOLDER VERSION README
# The archive holds exactly the exe and the user guide; the guide is GBK
# with CRLF line ends and names the version; the exe is at most 1 MB,
# stripped, and imports nothing but DLLs that every Windows has; the
# project's README names the package by its current name.
set -uo pipefail
# Byte-wise text matching and the tools' own English messages.
export LC_ALL=C
zip="$1" folder="$2" version="$3" readme="$4"
exe="$folder/proxy-extract.exe"
guide="$folder/readme.txt"
objdump=i686-w64-mingw32-objdump
failures=0
fail() { echo "check_package: $*" >&2; failures=$((failures + 1)); }

entries="$(unzip -Z1 "$zip" | sort | tr '\n' ' ')"
[ "$entries" = "proxy-extract.exe readme.txt " ] || fail "the archive holds: $entries"

# The guide: GBK (Chinese text in GBK is not valid UTF-8), every line ended
# by CRLF, the version named in its title.
if ! iconv -f GBK -t UTF-8 "$guide" > "$folder/readme.utf8"; then
  fail "readme.txt is not GBK"
fi
if iconv -f UTF-8 -t UTF-8 "$guide" >/dev/null 2>&1; then
  fail "readme.txt is UTF-8 (or plain ASCII), not GBK"
fi
if grep -q $'[^\r]$' "$guide" || grep -qx '' "$guide"; then
  fail "readme.txt has a line not ended by CRLF"
fi
[ "$(tail -c 2 "$guide" | od -An -tx1 | tr -d ' ')" = "0d0a" ] || fail "readme.txt does not end with CRLF"
head -n 1 "$folder/readme.utf8" | grep -qF " $version " || fail "the title of readme.txt does not name version $version"
grep -qF "ip.txt" "$folder/readme.utf8" || fail "readme.txt does not say where ip.txt goes"
grep -qF "Windows XP SP3 及以上" "$folder/readme.utf8" || fail "readme.txt does not say Windows XP SP3 or newer"
grep -qF "Windows XP SP3 or newer" "$readme" || fail "$readme does not say Windows XP SP3 or newer"
grep -qF "$(basename "$zip")" "$readme" || fail "$readme does not name the package $(basename "$zip")"

# The exe.
size="$(stat -c %s "$exe")"
[ "$size" -le 1048576 ] || fail "proxy-extract.exe is $size bytes, more than 1 MB"
sections="$($objdump -h "$exe")"
if grep -qE '\.debug|\.stab' <<<"$sections"; then
  fail "proxy-extract.exe carries debug sections"
fi
symbols="$($objdump -t "$exe")"
if ! grep -q 'no symbols' <<<"$symbols"; then
  fail "proxy-extract.exe carries a symbol table"
fi
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll gdiplus.dll kernel32.dll msimg32.dll"
system_dlls+=" msvcrt.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll"
system_dlls+=" version.dll wininet.dll ws2_32.dll "
dlls="$($objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]')"
[ -n "$dlls" ] || fail "no imported DLLs found in proxy-extract.exe"
for dll in $dlls; do
  case "$system_dlls" in *" $dll "*) ;; *) fail "proxy-extract.exe imports $dll, not a system DLL" ;; esac
done

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "check_package: $(basename "$zip"): $size-byte stripped exe importing only system DLLs ($(tr '\n' ' ' <<<"$dlls"| sed 's/ $//')), GBK CRLF guide"

#!/usr/bin/env bash
# Unpacks the release package for the package tests:
#   unpack.sh ZIP FOLDER BUILT_EXE
# Fails when there is no package or when its exe is not the one this build
# made (the package is older than the build: run tools/package.sh again).
set -euo pipefail
zip="$1" folder="$2" built="$3"

if [ ! -f "$zip" ]; then
  echo "unpack: no package $zip; tools/package.sh writes it" >&2
  exit 1
fi
rm -rf "$folder"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
if ! cmp -s "$folder/proxy-extract.exe" "$built"; then
  echo "unpack: the exe in $zip is not this build's $built; run tools/package.sh again" >&2
  exit 1
fi
echo "unpack: $zip in $folder"

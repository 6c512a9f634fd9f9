#!/usr/bin/env bash
# Installs what is missing, builds the release exe and writes the package a
# Windows user downloads: build/dist/proxy-extract-<version>-win32.zip with
#   proxy-extract.exe  the stripped, statically linked program, built in
#                      build/release with the win32-thread flavour of
#                      mingw-w64 so that it starts on Windows XP SP3
#   readme.txt         the user guide, GBK with CRLF line ends (for Notepad)
# The version is the project version in CMakeLists.txt. Arguments are passed
# to CMake's configure step, e.g. -DSERVICE_HOST=proxy.example.com.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PX_BUILD_DIR:-$root/build}"

bash "$root/tools/setup.sh"

echo "== release build of the program"
release="$build/release"
cmake -S "$root" -B "$release" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686-win32.cmake" "$@" >/dev/null
cmake --build "$release" -j "$(nproc)" --target proxy-extract

# The version and the package's path, written by the configure step.
px_version="" px_package_zip=""
# shellcheck source=/dev/null
source "$release/package/package.env"
if [ -z "$px_version" ] || [ -z "$px_package_zip" ]; then
  echo "package: $release/package/package.env is incomplete" >&2
  exit 1
fi

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cp "$release/app/proxy-extract.exe" "$stage/"
# Fails on any character that GBK cannot hold rather than writing "?".
iconv -f UTF-8 -t GBK "$release/package/readme.txt" > "$stage/readme.txt"

mkdir -p "$(dirname "$px_package_zip")"
rm -f "$px_package_zip"
# -X: no extra Unix attributes, -j: the two files at the top of the archive.
(cd "$stage" && zip -q -X -j "$px_package_zip" proxy-extract.exe readme.txt)
echo "package: $px_package_zip ($(stat -c %s "$px_package_zip") bytes, version $px_version)"

#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# portable logic natively, then the whole Windows build under Wine.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PX_BUILD_DIR:-$root/build}"
jobs="$(nproc)"

bash "$root/tools/setup.sh"

echo "== native build of the portable logic"
cmake -S "$root" -B "$build/host" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/host" -j "$jobs" >/dev/null
(cd "$build/host" && ctest --output-on-failure)

# --- fuzzing: every libFuzzer target of the portable logic for a short while
# (PX_FUZZ_SECONDS each, default 15); a finding fails the run.
echo "== fuzzing the portable logic"
PX_BUILD_DIR="$build" bash "$root/tools/fuzz.sh" "${PX_FUZZ_SECONDS:-15}"
# --- end of fuzzing

echo "== Windows build"
cmake -S "$root" -B "$build/win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win" -j "$jobs"

# The release package, for the package tests of the Wine passes below.
echo "== release package"
bash "$root/tools/package.sh"

export PX_BUILD_DIR="$build"
# shellcheck source=wine-env.sh
source "$root/tools/wine-env.sh"
trap px_wine_env_cleanup EXIT

echo "== tests under Wine"
cd "$build/win"
ctest -j1 --output-on-failure "$@"

# Windows versions: the first pass runs with Wine's default (Windows 7); the
# GUI test programs (label gui) run again with Wine reporting Windows XP and
# Windows 10, each in a prefix of its own on the same display.
wineserver -k >/dev/null 2>&1 || true  # the first pass's desktop leaves the display
for version in winxp win10; do
  (
    unset PX_XVFB_PID  # the display belongs to the first pass
    export PX_WINE_VERSION="$version"
    # shellcheck source=wine-env.sh
    source "$root/tools/wine-env.sh"
    trap px_wine_env_cleanup EXIT
    reported="$(wine cmd /c ver </dev/null 2>/dev/null | tr -d '\r' | grep -o '[0-9][0-9.]*' | head -n 1 || true)"
    case "$version:$reported" in
      winxp:5.1.* | win10:10.0.*) ;;
      *) echo "test: the $version prefix reports Windows ${reported:-(nothing)}" >&2; exit 1 ;;
    esac
    echo "== GUI tests under Wine reporting Windows $reported ($version)"
    ctest -j1 --output-on-failure -L gui "$@"
  )
done

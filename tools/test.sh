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
# (PX_FUZZ_SECONDS each, default 15); a finding fails the run. Each target
# runs for a fixed time, so the fuzzing runs beside the Windows build and
# costs the run little of its own; its output follows the build's.
fuzz_log="$build/fuzz.log"
mkdir -p "$build"
PX_BUILD_DIR="$build" bash "$root/tools/fuzz.sh" "${PX_FUZZ_SECONDS:-15}" >"$fuzz_log" 2>&1 &
fuzz_pid=$!
# --- end of fuzzing

echo "== Windows build"
cmake -S "$root" -B "$build/win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win" -j "$jobs"

# The release package, for the package tests of the Wine passes below.
echo "== release package"
bash "$root/tools/package.sh"

echo "== fuzzing the portable logic (ran beside the builds)"
fuzz_status=0
wait "$fuzz_pid" || fuzz_status=$?
cat "$fuzz_log"
[ "$fuzz_status" -eq 0 ] || { echo "test: fuzzing failed (exit $fuzz_status)" >&2; exit 1; }

export PX_BUILD_DIR="$build"

# The skin's thousand-cycle leak loops count GDI objects over a thousand
# paints each. Under an emulated Wine they take two thirds of a GUI pass and
# depend on nothing the reported Windows version changes, so they run once,
# in a lane beside the passes below, on a display and in a prefix of their
# own; that lane first makes the prefixes of the later passes. Every other
# test runs in the passes below.
leak_loops="BarResourceTest.ShowcaseAndAThousandPaintCyclesLeakingNothing"
leak_loops+=":ButtonResourceTest.AThousandHoverLeaveAndPaintCyclesLeakNothing"
leak_loops+=":EditResources.ThousandHoverLeavePaintCyclesLeakNoGdiObject"
leak_loops+=":ListResources.ThousandPaintCyclesLeakNoGdiObject"
leak_loops+=":MemoryDcTableTest.ThousandCompositionsLeakNothing"
leak_loops+=":ToolbarSkin.ThousandPaintsLeaveNoGdiObjectBehind"
loop_programs='^(control_bars|control_buttons|control_edit|control_lists|paint|toolbar_shadow)_test$'

# One pass of ctest under Wine reporting VERSION (empty: Wine's default,
# Windows 7), on a display of its own; the rest are ctest's arguments.
wine_pass() {
  local version="$1" title="$2"
  shift 2
  unset DISPLAY PX_XVFB_PID
  export PX_WINE_VERSION="$version"
  [ -n "$version" ] || unset PX_WINE_VERSION
  # shellcheck source=wine-env.sh
  source "$root/tools/wine-env.sh"
  trap px_wine_env_cleanup EXIT
  local reported
  reported="$(wine cmd /c ver </dev/null 2>/dev/null | tr -d '\r' | grep -o '[0-9][0-9.]*' | head -n 1 || true)"
  case "${version:-win7}:$reported" in
    winxp:5.1.* | win7:6.1.* | win10:10.0.*) ;;
    *) echo "test: the ${version:-default} prefix reports Windows ${reported:-(nothing)}" >&2; return 1 ;;
  esac
  echo "== $title under Wine reporting Windows $reported (${version:-default})"
  (cd "$build/win" && ctest -j1 --output-on-failure "$@")
}

loops_log="$build/leak-loops.log"
(
  for version in winxp win10; do
    (
      unset DISPLAY PX_XVFB_PID
      export PX_WINE_VERSION="$version"
      # shellcheck source=wine-env.sh
      source "$root/tools/wine-env.sh"
      px_wine_env_cleanup
    )
  done
  export GTEST_FILTER="$leak_loops"
  wine_pass win7 "leak loops" -R "$loop_programs" -FA "demo_service|package" "$@"
) >"$loops_log" 2>&1 &
loops_pid=$!
trap 'kill "$loops_pid" 2>/dev/null || true' EXIT

# The first pass runs every test program; the GUI test programs (label gui)
# run again with Wine reporting Windows XP and Windows 10, each in a prefix
# of its own. Those two leave out the large-list tests as well (the list's
# cut, store and fill are the program's own work on a box that Wine draws
# the same whatever version it reports, and they take most of the main
# window's test time), and the programs that draw only into bitmaps and
# memory DCs or keep the skin's records (GDI+, painting, skin state).
large_lists="LargeList.*:ListFill.*:FullListStore.*"
drawing_only='^(gdiplus|paint|skin_state)_test$'
status=0
export GTEST_FILTER="-$leak_loops"
(wine_pass "" "tests" "$@") || status=1
export GTEST_FILTER="-$leak_loops:$large_lists"
for version in winxp win10; do
  (wine_pass "$version" "GUI tests" -L gui -E "$drawing_only" "$@") || status=1
done

loops_status=0
wait "$loops_pid" || loops_status=$?
trap - EXIT
cat "$loops_log"
[ "$loops_status" -eq 0 ] || status=1
exit "$status"

#!/usr/bin/env bash
# Times extract and filter of a 100,000-entry list: once through the
# program's window (px-bench under Wine), once as curl fetching the same page
# plus grep keeping the entries that begin with "11". Prints both and the
# ratio. Uses the build in ${PX_BUILD_DIR:-build} (built here when missing).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${PX_BUILD_DIR:-$root/build}"
port="${PX_BENCH_PORT:-28085}"
count="${1:-100000}"

if [ ! -f "$build/win/tools/bench/px-bench.exe" ]; then
  cmake -S "$root" -B "$build/win" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$build/win" -j 2 --target px-bench
fi

export PX_BUILD_DIR="$build"
# shellcheck source=../wine-env.sh
source "$root/tools/wine-env.sh"
"$root/tools/demo-service/control.sh" start "$port" >/dev/null
cleanup() {
  "$root/tools/demo-service/control.sh" stop "$port" >/dev/null || true
  px_wine_env_cleanup
}
trap cleanup EXIT

url="http://127.0.0.1:$port/tiqu.php?dq=%62%65%6E%63%68&sl=$count&dk=&xl=2&cf=4&tj=%CC%E1+%C8%A1"
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# curl + grep: fetch, one entry per line, keep the "11" keys.
start=$(now_ms)
kept_curl=$(curl -s -X POST --data-binary '' "$url" | LC_ALL=C sed 's/.*<\/h4>//; s/<br>/\n/g' \
  | LC_ALL=C grep -c '^11[^.]*\.' || true)
curl_ms=$(( $(now_ms) - start ))

out="$(wine "$build/win/tools/bench/px-bench.exe" "127.0.0.1:$port" "$count" | tr -d '\r')"
echo "$out"
click_ms=$(echo "$out" | awk '$1 == "click_ms" {print $2}')
kept=$(echo "$out" | awk '$1 == "click_kept" {print $2}')

echo "curl_grep_ms $curl_ms"
echo "curl_grep_kept $kept_curl"
awk -v a="$click_ms" -v b="$curl_ms" 'BEGIN { if (b > 0) printf "ratio_click_to_curl_grep %.1f\n", a / b }'
if [ "$kept" != "$kept_curl" ]; then
  echo "bench: the program kept $kept entries, curl + grep $kept_curl" >&2
  exit 1
fi

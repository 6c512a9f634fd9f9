#!/usr/bin/env bash
# Times one "提取ip" click through the program's main window for pages of
# 10,000, 100,000 and 1,000,000 entries, each with a prefix that keeps about
# 1 % and one that keeps about 99 % of the lines, next to curl + grep on the
# same page from the same demo service and the bare edit box floor for the
# same kept lines. Each figure is the median of 5 runs (3 for a million
# entries); every run is a fresh process. A second table shows where the
# time of the click goes: fetch, cut, store, filter and fill.
#   tools/bench/run.sh [COUNT...]     default: 10000 100000 1000000
# Uses the build in ${PX_BUILD_DIR:-build} (built here when missing), or the
# px-bench.exe named by PX_BENCH_EXE (say, one built from older sources), and
# the demo service on ${PX_BENCH_PORT:-28085}.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${PX_BUILD_DIR:-$root/build}"
port="${PX_BENCH_PORT:-28085}"
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(10000 100000 1000000)

bench="${PX_BENCH_EXE:-$build/win/tools/bench/px-bench.exe}"
if [ ! -f "$bench" ]; then
  cmake -S "$root" -B "$build/win" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$build/win" -j 2 --target px-bench
fi

export PX_BUILD_DIR="$build"
# shellcheck source=../wine-env.sh
source "$root/tools/wine-env.sh"
"$root/tools/demo-service/control.sh" start "$port" >/dev/null
work="$(mktemp -d)"
cleanup() {
  "$root/tools/demo-service/control.sh" stop "$port" >/dev/null || true
  rm -rf "$work"
  px_wine_env_cleanup
}
trap cleanup EXIT

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# The region as the program sends it: every byte percent-encoded.
encode() { printf '%s' "$1" | od -An -tx1 -v | tr -d ' \n' | sed 's/../%\U&/g'; }
value() { awk -v k="$1" '$1 == k {print $2}'; }

prefix=11
results="$work/results"
: >"$results"
for count in "${counts[@]}"; do
  runs=5
  [ "$count" -ge 1000000 ] && runs=3
  for region in eleven1 eleven99; do
    # The exact request the program sends: a POST with an empty body.
    url="http://127.0.0.1:$port/tiqu.php?dq=$(encode "$region")&sl=$count&dk=&xl=2&cf=4&tj=%CC%E1+%C8%A1"
    curl -s -X POST --data-binary '' -o "$work/page" "$url"
    page_bytes=$(stat -c %s "$work/page")
    # What the program must end with: the list after the last "主</h4>" with
    # each "<br>" a line break, and its lines that begin with the prefix.
    read -r full_bytes kept < <(/usr/bin/python3 - "$work/page" "$prefix" <<'PY'
import sys
page = open(sys.argv[1], "rb").read()
marker = "主</h4>".encode("gbk")
full = page[page.rfind(marker) + len(marker):].replace(b"<br>", b"\r\n")
lines = full.split(b"\r\n")[:-1] if full.endswith(b"\r\n") else full.split(b"\r\n")
kept = [l for l in lines if l and l.split(b".", 1)[0][:2] == sys.argv[2].encode()]
print(len(full), len(kept))
PY
)
    for run in $(seq "$runs"); do
      start=$(now_ms)
      curl_kept=$(curl -s -X POST --data-binary '' "$url" \
        | LC_ALL=C sed 's/.*<\/h4>//; s/<br>/\n/g' | LC_ALL=C grep -c "^$prefix" || true)
      curl_ms=$(( $(now_ms) - start ))
      click="$(wine "$bench" click "127.0.0.1:$port" "$region" "$count" "$prefix" "$kept" | tr -d '\r')"
      floor="$(wine "$bench" floor "127.0.0.1:$port" "$region" "$count" "$prefix" | tr -d '\r')"
      shown=$(echo "$click" | value shown_lines)
      full=$(echo "$click" | value full_bytes)
      if [ "$curl_kept" != "$kept" ] || [ "$shown" != "$kept" ] || [ "$full" != "$full_bytes" ] ||
         [ "$(echo "$floor" | value kept_lines)" != "$kept" ]; then
        echo "bench: $count $region run $run: kept $kept, curl + grep $curl_kept," \
             "shown $shown, full list $full bytes of $full_bytes" >&2
        exit 1
      fi
      echo "$count $region $page_bytes $kept $curl_ms $(echo "$click" | value first_ms)" \
           "$(echo "$click" | value complete_ms) $(echo "$click" | value unanswered_ms)" \
           "$(echo "$click" | value peak_bytes) $(echo "$floor" | value floor_ms)" \
           "$(echo "$click" | value complete_cpu_ms) $(echo "$floor" | value floor_cpu_ms)" \
           "$(echo "$floor" | value floor_bytes)" "$(echo "$click" | value fetch_ms)" \
           "$(echo "$click" | value cut_ms) $(echo "$click" | value store_ms)" \
           "$(echo "$click" | value filter_ms) $(echo "$click" | value fill_ms)" >>"$results"
      echo "bench: $count entries, $region, run $run of $runs done" >&2
    done
  done
done

/usr/bin/python3 - "$results" <<'PY'
import statistics, sys
rows = {}
for line in open(sys.argv[1]):
    f = line.split()
    rows.setdefault((int(f[0]), f[1]), []).append([float(x) for x in f[2:]])
head = ("entries", "kept", "page MB", "curl+grep ms", "first ms", "complete ms",
        "first/curl", "complete/curl", "floor ms", "complete/floor",
        "unanswered ms", "peak MB", "peak/page", "floor box MB", "complete cpu/floor cpu")
print("| " + " | ".join(head) + " |")
print("|" + "---|" * len(head))
for (count, region), runs in sorted(rows.items()):
    m = [statistics.median(col) for col in zip(*runs)]
    (page, kept, curl, first, complete, unanswered, peak, floor, complete_cpu, floor_cpu,
     floor_bytes) = m[:11]
    share = "1 %" if region == "eleven1" else "99 %"
    cpu_ratio = "%.2f" % (complete_cpu / floor_cpu) if floor_cpu > 0 else "-"
    print("| %s | %s (%d) | %.1f | %.0f | %.0f | %.0f | %.1f | %.1f | %.0f | %.2f | %.0f | %.1f | %.2f | %.1f | %s |" % (
        f"{count:,}", share, kept, page / 1e6, curl, first, complete, first / curl,
        complete / curl, floor, complete / floor, unanswered, peak / 1e6, peak / page,
        floor_bytes / 1e6, cpu_ratio))
runs_per_row = ", ".join(sorted({str(len(r)) for r in rows.values()}))
print("median of %s runs per row; floor box MB: the private memory the bare box took for the"
      " kept lines; cpu: processor time of the window thread" % runs_per_row)
print()
head = ("entries", "kept", "complete ms", "fetch ms", "cut ms", "store ms", "filter ms",
        "fill ms")
print("| " + " | ".join(head) + " |")
print("|" + "---|" * len(head))
for (count, region), runs in sorted(rows.items()):
    m = [statistics.median(col) for col in zip(*runs)]
    share = "1 %" if region == "eleven1" else "99 %"
    print("| %s | %s (%d) | %.0f | %.0f | %.0f | %.0f | %.0f | %.0f |" % (
        (f"{count:,}", share, m[1], m[4]) + tuple(m[11:16])))
print("median of %s runs per row; fetch: click to the page in hand; cut: on its worker until"
      " the window took the list; filter: the fill's filtering; fill: the rest of the fill"
      % runs_per_row)
PY

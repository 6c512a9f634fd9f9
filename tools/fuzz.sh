#!/usr/bin/env bash
# Builds the libFuzzer targets of the portable logic on the host (clang,
# AddressSanitizer, UndefinedBehaviorSanitizer) and runs each in turn.
#   tools/fuzz.sh [SECONDS] [TARGET...]
# SECONDS per target (default 60); TARGET names (default: all), e.g.
# cut_list. Each target starts from its committed seeds in tests/fuzz/corpus
# and keeps what it learns in $PX_BUILD_DIR/fuzz/corpus (never in the tree).
# Prints executions per target; exits non-zero on the first finding, whose
# input is left in $PX_BUILD_DIR/fuzz/findings.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PX_BUILD_DIR:-$root/build}/fuzz"
seconds="${1:-60}"
shift || true

all=(cut_list prefix_filter text_ops url_parts percent_encode request_headers set_cookies request_slots list_store
     answer_excerpt fill_pace)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

cxx="clang++"
command -v ccache >/dev/null && cxx="ccache clang++"

# The program's string literals are GBK bytes; clang reads sources as UTF-8
# only, so it compiles GBK copies of them and keeps their bytes as written.
src="$build/src"
mkdir -p "$src/app" "$src/web" "$src/tests/fuzz" "$build/bin" "$build/findings"
logic=(app/text_ops.cpp app/proxy_query.cpp app/prefix_filter.cpp
       web/url_parts.cpp web/request_headers.cpp web/request_slots.cpp app/list_store_text.cpp
       app/answer_excerpt.cpp app/extract_failure.cpp app/fill_pace.cpp)
for f in "${logic[@]}" app/text_ops.h app/proxy_query.h app/prefix_filter.h app/list_store_text.h \
         app/answer_excerpt.h app/extract_failure.h app/fill_pace.h \
         web/url_parts.h web/request_headers.h web/request_slots.h tests/fuzz/*.h tests/fuzz/*.cpp; do
  rel="${f#"$root"/}"
  iconv -f UTF-8 -t GBK "$root/$rel" > "$src/$rel.new"
  if ! cmp -s "$src/$rel.new" "$src/$rel" 2>/dev/null; then mv "$src/$rel.new" "$src/$rel"; else rm "$src/$rel.new"; fi
done
flags=(-std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -Wno-invalid-source-encoding -I"$src")

for t in "${targets[@]}"; do
  if [ ! -f "$root/tests/fuzz/${t}_fuzz.cpp" ]; then
    echo "fuzz: no target $t" >&2
    exit 2
  fi
  objs=()
  for f in "${logic[@]}" "tests/fuzz/${t}_fuzz.cpp"; do
    o="$build/obj/${f%.cpp}.o"
    mkdir -p "$(dirname "$o")"
    if [ ! -f "$o" ] || [ "$src/$f" -nt "$o" ] || [ "$src/app/text_ops.h" -nt "$o" ]; then
      $cxx "${flags[@]}" -c "$src/$f" -o "$o"
    fi
    objs+=("$o")
  done
  $cxx "${flags[@]}" "${objs[@]}" -o "$build/bin/$t"
done

status=0
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  log="$build/$t.log"
  set +e
  (cd "$build/findings" && "$build/bin/$t" -max_total_time="$seconds" -print_final_stats=1 \
      -timeout=10 -rss_limit_mb=1024 -max_len=4096 -artifact_prefix="$build/findings/$t-" \
      "$corpus" "$root/tests/fuzz/corpus/$t") >"$log" 2>&1
  rc=$?
  set -e
  runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')"
  if [ "$rc" -ne 0 ]; then
    echo "fuzz: $t FOUND A FAULT after $runs executions (rc $rc); see $log and $build/findings"
    grep -m5 -E 'ERROR|runtime error|SUMMARY' "$log" || true
    status=1
    break
  fi
  echo "fuzz: $t $runs executions in ${seconds}s, no finding"
done
exit "$status"

#!/usr/bin/env bash
# Runs one fuzz target until it has used CPU_SECONDS of processor time (not
# wall time, so a busy machine still gives it its full share), then stops it
# and prints one line: target, runs, exec/s over its CPU time, coverage and
# features, corpus size and the number of crash, leak, timeout or
# out-of-memory inputs it wrote.
#
#   scripts/fuzz-cpu.sh BUILD_DIR TARGET CPU_SECONDS [LOG_DIR]
#
# The corpus is fuzz/corpus-TARGET, seeded from tests/data/fuzz/TARGET;
# findings land in LOG_DIR/TARGET/ (default fuzz/findings).
set -euo pipefail
build="$1" target="$2" budget="$3" logs="${4:-fuzz/findings}"
here="$(cd "$(dirname "$0")/.." && pwd)"
binary="$build/fuzz/${target}_fuzz"
corpus="$here/fuzz/corpus-$target"
seeds="$here/tests/data/fuzz/$target"
out="$logs/$target"
mkdir -p "$corpus" "$out"
dict="$("$here/scripts/fuzz-dict.sh" "$target" || true)"
log="$out/run.log"
ticks=$(getconf CLK_TCK)

# shellcheck disable=SC2086
"$binary" -max_total_time=86400 -print_final_stats=1 -artifact_prefix="$out/" \
  $dict "$corpus" "$seeds" >"$log" 2>&1 &
pid=$!
used=0
while kill -0 "$pid" 2>/dev/null; do
  read -r -a stat <"/proc/$pid/stat" || break
  # Fields 14 and 15 (utime, stime), counted after the parenthesised name.
  used=$(((stat[13] + stat[14]) / ticks))
  if ((used >= budget)); then
    kill -INT "$pid"
    break
  fi
  sleep 5
done
wait "$pid" || true
last="$(grep -E '^#[0-9]+' "$log" | tail -1)"
runs="$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' ||
  echo "${last#\#}" | cut -d' ' -f1)"
cov="$(echo "$last" | grep -oE 'cov: [0-9]+' | cut -d' ' -f2)"
ft="$(echo "$last" | grep -oE 'ft: [0-9]+' | cut -d' ' -f2)"
corp="$(echo "$last" | grep -oE 'corp: [0-9]+' | cut -d' ' -f2)"
findings="$(find "$out" -maxdepth 1 -name 'crash-*' -o -maxdepth 1 -name 'leak-*' \
  -o -maxdepth 1 -name 'timeout-*' -o -maxdepth 1 -name 'oom-*' | wc -l)"
rate=$((used > 0 ? runs / used : 0))
echo "$target cpu=${used}s runs=$runs exec/s=$rate cov=$cov ft=$ft corpus=$corp findings=$findings"

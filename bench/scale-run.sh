#!/usr/bin/env bash
# The figures of one plan size as a person meets them: a plan of SCHEDULES
# schedules (a tenth as many rows, a fifth as many links, a hundredth as many
# memos) made with `generate`, then each command-line step run as a fresh
# process RUNS times, printing the median wall time, CPU time and peak
# resident memory, and the file's size.
#
#   bench/scale-run.sh BUILD_DIR SCHEDULES [RUNS]
#
# The in-process steps (relayout, an edit to the repaint, save, a shared
# edit) are Google benchmarks: qb_display_bench, qb_app_bench and
# qb_project_file_bench with the same size as their argument.
set -euo pipefail
if [ ! -x /usr/bin/time ]; then
  echo "needs /usr/bin/time (Debian package time)" >&2
  exit 2
fi
build="$1" schedules="$2" runs="${3:-5}"
cli="$build/cli/quellbrandiren-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
plan="$work/plan.qbd"
"$cli" generate --rows $((schedules / 10)) --schedules "$schedules" --links $((schedules / 5)) \
  --memos $((schedules / 100)) "$plan" >/dev/null
echo "schedules=$schedules file_bytes=$(stat -c %s "$plan")"

# Prints "wall_ms cpu_ms rss_mb" of one fresh process.
measure() {
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null 2>&1
  awk '{printf "%.0f %.0f %.0f\n", $1 * 1000, ($2 + $3) * 1000, $4 / 1024}' "$work/time"
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

step() {
  local name="$1"
  shift
  for _ in $(seq "$runs"); do measure "$@"; done >"$work/runs"
  printf '%-24s wall_ms=%s cpu_ms=%s rss_mb=%s\n' "$name" \
    "$(cut -d' ' -f1 "$work/runs" | median)" "$(cut -d' ' -f2 "$work/runs" | median)" \
    "$(cut -d' ' -f3 "$work/runs" | median)"
}

step "open (info)" "$cli" info "$plan"
step "open to first paint" "$cli" render "$plan" "$work/view.png" --from 20241001 --to 20250101 \
  --width 1920 --height 1080

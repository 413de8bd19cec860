#!/usr/bin/env bash
# Times a per-row run of 40 drawings under Wine, the CAD stand-in taking a second per
# drawing, with one CAD process and with four at once; prints both, their ratio and
# Dovevar's own time per row beyond the stand-in's and the 500 ms pause between rows (with
# four, from the four workers' time, so that a few milliseconds either way are noise).
#   bench/win/cad_at_once.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/bench/win/prepare.sh"
bench_up
log=$(bash "$root/tests/e2e/run-scenario.sh" "$build" "$root/bench/win/forty_drawings_at_once.scn")
echo "$log" | grep -E 'expect-elapsed|expect-responsive|FAIL|PASS'
figures=($(echo "$log" | sed -n 's/.*expect-elapsed.*(took \([0-9]*\) ms).*/\1/p'))
alone=$((figures[0] / 4))
echo "stand-in alone: $alone ms per drawing"
echo "one at a time: ${figures[1]} ms, four at once: ${figures[2]} ms"
awk -v one="${figures[1]}" -v four="${figures[2]}" -v alone="$alone" 'BEGIN {
  printf "ratio four/one: %.2f\n", four / one
  printf "own time per row, one at a time: %.1f ms\n", (one - 40 * alone - 40 * 500) / 40
  printf "own time per row, four at once: %.1f ms\n", (four * 4 - 40 * alone - 40 * 500) / 40
}'

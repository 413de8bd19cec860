#!/usr/bin/env bash
# Times list editing in the real program under Wine at 100,000 rows, collected from a
# folder of as many drawings: adding 50 rows and moving a row, each until the list shows
# the change and the window answers again.
#   bench/win/editing.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/bench/win/prepare.sh"
data=$build/bench-data/hundred-thousand
if [ ! -f "$data/.made" ]; then
  rm -rf "$data"
  mkdir -p "$data"
  (cd "$data" && seq -f 'Plan-%06g-RevA.dwg' 0 99999 | xargs touch)
  touch "$data/.made"
fi
LIST_FOLDER=$(printf 'Z:%s' "$data" | tr / '\\')
export LIST_FOLDER
bench_up
bash "$root/tests/e2e/run-scenario.sh" "$build" "$root/bench/win/edit_large_list.scn" |
  grep -E 'expect-elapsed|expect-responsive|FAIL|PASS'

#!/usr/bin/env bash
# Times the collection of drawings under Wine: a folder of 20,000 drawings, and a chain
# of 32 folders of 1,000 drawings each (the walk's table fills when the 32nd is found,
# so 31 are scanned). First the collection alone with the split between listing and
# adding rows, then the real program collecting both from its recent folders until
# its list shows the rows and answers again.
#   bench/win/collection.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/bench/win/prepare.sh"
data=$build/bench-data

if [ ! -f "$data/.made" ]; then
  rm -rf "$data"
  mkdir -p "$data/folder"
  (cd "$data/folder" && seq -f 'Plan-%05g-RevA.dwg' 0 19999 | xargs touch)
  level=$data/chain
  for n in $(seq 1 32); do
    mkdir -p "$level"
    (cd "$level" && seq -f "L$n-Plan-%04g.dwg" 0 999 | xargs touch)
    level=$level/L$n
  done
  touch "$data/.made"
fi

bench_up
# shellcheck disable=SC1091
source "$build/bench/env.sh"
windows() { printf 'Z:%s' "$1" | tr / '\\'; }
BIG=$(windows "$data/folder") TREE=$(windows "$data/chain")
export BIG TREE

wine "$build/bench/collection_under_wine.exe" "$BIG" "$TREE" >"$build/bench/collection.txt" 2>/dev/null
cat "$build/bench/collection.txt"
bash "$root/tests/e2e/run-scenario.sh" "$build" "$root/bench/win/collect_large_folders.scn" |
  grep -E 'expect-elapsed|FAIL|PASS'

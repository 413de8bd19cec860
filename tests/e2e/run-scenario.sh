#!/usr/bin/env bash
# Runs one scenario on the Wine bench (bench.sh up first):
#   run-scenario.sh BUILD_DIR SCENARIO.scn
# The program is copied into a folder of its own, so a scenario can see what is
# written beside the exe; the settings folder starts empty. The driver's log, and a
# screenshot when a step fails, are left in BUILD_DIR/e2e/<scenario>/.
set -uo pipefail

build=$(cd "${1:?usage: run-scenario.sh BUILD_DIR SCENARIO}" && pwd)
scenario=$(cd "$(dirname "${2:?}")" && pwd)/$(basename "$2")
name=$(basename "$scenario" .scn)

if [ ! -f "$build/bench/env.sh" ]; then
  echo "the Wine bench is not up: run tests/e2e/bench.sh up $build"
  exit 1
fi
# shellcheck disable=SC1091
source "$build/bench/env.sh"

out=$build/e2e/$name
rm -rf "$out"
mkdir -p "$out/bin" "$out/work"
cp "$build/Dovevar.exe" "$out/bin/"
export CADSTUB="$build/tests/cadstub.exe" DOVEVAR_BUILD="$build"

wine "$build/tests/uidriver.exe" "$scenario" "$out/bin/Dovevar.exe" "$out/work" \
  "$out/failure.png" >"$out/driver.log" 2>&1
status=$?
cat "$out/driver.log"
exit $status

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

# A scenario that needs the bench's printers is not run, and says so, when the bench has
# no CUPS server of its own: CTest reports the exit code 77 as not run.
if grep -q '^needs-printers' "$scenario" && [ -f "$BENCH_DIR/no-printers" ]; then
  echo "not run: the bench has no printers of its own: $(cat "$BENCH_DIR/no-printers")"
  exit 77
fi

# The package that scripts/package made beside the build: a scenario that installs or
# unpacks it is not run without one.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
zip=$(ls "$build"/../dist/Dovevar-*-win64.zip 2>/dev/null | head -1)
setup=$(ls "$build"/../dist/Dovevar-*-setup.exe 2>/dev/null | head -1)
if grep -qE '\$\{DOVEVAR_(ZIP|SETUP)\}' "$scenario" && [ -z "$zip" -o -z "$setup" ]; then
  echo "not run: no package in $(cd "$build/.." && pwd)/dist (scripts/package makes it)"
  exit 77
fi
export DOVEVAR_ZIP="$(windows_path "$zip")" DOVEVAR_SETUP="$(windows_path "$setup")"

# A scenario that begins with `dpi N` runs with the screen at N DPI: Wine reads it when
# its server starts, so the server is restarted, and again afterwards at 96.
set_dpi() {
  local value
  value=$(printf '0x%x' "$1")
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$value" /f >/dev/null 2>&1
  wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$value" /f >/dev/null 2>&1
  wineserver -k 2>/dev/null
  wineserver -w
}
dpi=$(sed -n 's/^dpi \([0-9][0-9]*\)$/\1/p' "$scenario" | head -1)
if [ -n "$dpi" ] && [ "$dpi" != 96 ]; then
  set_dpi "$dpi"
  trap 'set_dpi 96' EXIT
fi

out=$build/e2e/$name
rm -rf "$out"
mkdir -p "$out/bin" "$out/work"
cp "$build/Dovevar.exe" "$out/bin/"
# The CAD stand-in as the program names it in its settings: a Windows path.
export CADSTUB="$(windows_path "$build/tests/cadstub.exe")" DOVEVAR_BUILD="$build"

# The driver writes its log itself: under Wine its standard output can be lost once it
# has started a Unix program (the screenshots).
UIDRIVER_LOG="$(windows_path "$out/driver.log")" \
  wine "$build/tests/uidriver.exe" "$scenario" "$out/bin/Dovevar.exe" "$out/work" \
  "$out/failure.png" >/dev/null 2>"$out/wine.log"
status=$?
cat "$out/driver.log"
exit $status

#!/usr/bin/env bash
# The Wine bench: a Wine prefix, a virtual display and CUPS test printers for the
# end-to-end scenarios.
#   bench.sh up BUILD_DIR    make everything ready (idempotent) and write BUILD_DIR/bench/env.sh
#   bench.sh down BUILD_DIR  stop what `up` started, by process id, and remove its printers
# Everything lives under BUILD_DIR; outside it only the CUPS printers named Dovevar_* are
# added (and cupsd started when it was not running).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
action=${1:?usage: bench.sh up|down BUILD_DIR}
build=$(cd "${2:?usage: bench.sh up|down BUILD_DIR}" && pwd)
state=$build/bench
prefix=$build/wineprefix
mkdir -p "$state"

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# The test printers: name and PPD. One has more than 63 paper names, one mixes A/B sizes
# with Letter/Tabloid names, one has a name of 127 characters (the most CUPS allows).
long_name=Dovevar_Long_Name_$(printf 'x%.0s' $(seq 1 109))
printers=(
  "Dovevar_Many_Papers /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
  "Dovevar_Mixed_Papers $here/ppd/dovevar-mixed-papers.ppd"
  "$long_name $here/ppd/dovevar-mixed-papers.ppd"
)

alive() { [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; }
pid_in() { cat "$state/$1" 2>/dev/null || true; }

start_display() {
  if alive "$(pid_in xvfb.pid)"; then return; fi
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  echo ":$n" >"$state/display"
  for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return
    sleep 0.05
  done
  echo "bench: Xvfb :$n did not come up" >&2
  exit 1
}

make_prefix() {
  [ -f "$prefix/.dovevar-ready" ] && return
  rm -rf "$prefix"
  # Made without a display; the explorer that wineboot starts must end with its
  # wineserver before anything runs with DISPLAY set.
  env -u DISPLAY wineboot -i >"$state/wineboot.log" 2>&1
  env -u DISPLAY wine regedit /S "$here/bench-settings.reg" >>"$state/wineboot.log" 2>&1
  # Wine does not find Debian's copies of its own fonts (Marlett draws the caption
  # buttons, Tahoma the dialogs), so the prefix gets them.
  cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
  wineserver -w
  touch "$prefix/.dovevar-ready"
}

start_cups() {
  if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    cupsd -f >"$state/cupsd.log" 2>&1 &
    echo $! >"$state/cupsd.pid"
    for _ in $(seq 1 100); do
      lpstat -r 2>/dev/null | grep -q 'is running' && break
      sleep 0.05
    done
  fi
  # Only the printers added here are noted, so `down` removes no printer it found.
  touch "$state/printers"
  local entry name ppd
  for entry in "${printers[@]}"; do
    name=${entry%% *}
    ppd=${entry#* }
    lpstat -p "$name" >/dev/null 2>&1 && continue
    # lpadmin warns that PPDs are deprecated; keep that out of the test output.
    lpadmin -p "$name" -E -v cups-pdf:/ -P "$ppd" 2>>"$state/lpadmin.log" || {
      cat "$state/lpadmin.log" >&2
      exit 1
    }
    echo "$name" >>"$state/printers"
  done
}

up() {
  start_display
  make_prefix
  start_cups
  cat >"$state/env.sh" <<ENV
export WINEPREFIX='$prefix' WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
export DISPLAY='$(cat "$state/display")'
export BENCH_DIR='$state'
export LONG_PRINTER_NAME='$long_name'
ENV
}

down() {
  wineserver -k 2>/dev/null || true
  if [ -f "$state/printers" ]; then
    while read -r name; do lpadmin -x "$name" 2>/dev/null || true; done <"$state/printers"
    rm -f "$state/printers"
  fi
  local file pid
  for file in cupsd.pid xvfb.pid; do
    pid=$(pid_in $file)
    if alive "$pid"; then
      kill "$pid"
      for _ in $(seq 1 100); do alive "$pid" || break; sleep 0.05; done
    fi
    rm -f "$state/$file"
  done
  rm -f "$state/env.sh"
}

case $action in
  up) up ;;
  down) down ;;
  *) echo "usage: bench.sh up|down BUILD_DIR" >&2; exit 2 ;;
esac

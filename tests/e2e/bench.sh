#!/usr/bin/env bash
# The Wine bench: a Wine prefix, a virtual display and a CUPS server of its own with the
# test printers, for the end-to-end scenarios.
#   bench.sh up BUILD_DIR    make everything ready (idempotent) and write BUILD_DIR/bench/env.sh
#   bench.sh down BUILD_DIR  stop what `up` started, by process id, and remove its CUPS server
# Everything lives under BUILD_DIR, but for the bench's own CUPS server, whose folder is
# a temporary one (see start_cups). The machine's CUPS is left alone.
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
  # The marker holds the digest of the bench settings the prefix was given, so that a
  # changed settings file reaches a prefix made before it.
  local settings
  settings=$(sha1sum <"$here/bench-settings.reg")
  if [ ! -f "$prefix/.dovevar-ready" ]; then
    rm -rf "$prefix"
    # Made without a display; the explorer that wineboot starts must end with its
    # wineserver before anything runs with DISPLAY set.
    env -u DISPLAY wineboot -i >"$state/wineboot.log" 2>&1
    # Wine does not find Debian's copies of its own fonts (Marlett draws the caption
    # buttons, Tahoma the dialogs), so the prefix gets them.
    cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
  fi
  [ "$(cat "$prefix/.dovevar-ready" 2>/dev/null)" = "$settings" ] && return
  env -u DISPLAY wine regedit /S "$here/bench-settings.reg" >>"$state/wineboot.log" 2>&1
  wineserver -w
  printf '%s\n' "$settings" >"$prefix/.dovevar-ready"
}

# A CUPS server of the bench's own: its configuration, spool, logs and socket in a
# folder of its own, reached by Wine's spooler through CUPS_SERVER. The machine's own
# CUPS, its printers and its settings are never touched, and Wine sees no printer but
# the bench's. The socket path must stay short (a Unix socket name holds 107 bytes), so
# the server's folder is a temporary one, noted in the state and removed by `down`.
write_cups_config() {
  local dir=$1
  mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/run" "$dir/log"
  cat >"$dir/etc/cupsd.conf" <<CONF
LogLevel warn
Listen $dir/run/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
DefaultPolicy bench
<Policy bench>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  # Nothing is ever printed: the printers write to /dev/null, which needs FileDevice.
  cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
StateDir $dir/run
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/spool/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/run/printcap
FileDevice Yes
FatalErrors all
CONF
  if [ "$(id -u)" -ne 0 ]; then
    printf 'User %s\nGroup %s\n' "$(id -un)" "$(id -gn)" >>"$dir/etc/cups-files.conf"
  fi
}

# Says why the bench has no printers: the scenarios that need them are then not run.
no_printers() {
  echo "bench: no CUPS server of its own, so the printer scenarios will not run: $1" >&2
  printf '%s\n' "$1" >"$state/no-printers"
}

start_cups() {
  rm -f "$state/no-printers"
  if ! command -v cupsd >/dev/null; then
    no_printers "cupsd is not installed"
    return
  fi
  local dir
  dir=$(mktemp -d "${TMPDIR:-/tmp}/dovevar-cups.XXXXXX")
  echo "$dir" >"$state/cups-dir"
  # cupsd as root insists that its folders are not open to everyone.
  chmod 755 "$dir"
  write_cups_config "$dir"
  export CUPS_SERVER=$dir/run/cups.sock
  cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$state/cupsd.pid"
  local _
  for _ in $(seq 1 100); do
    [ -S "$CUPS_SERVER" ] && lpstat -r 2>/dev/null | grep -q 'is running' && break
    alive "$(pid_in cupsd.pid)" || break
    sleep 0.05
  done
  if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    no_printers "cupsd did not start ($(tail -n 3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tr '\n' ' '))"
    return
  fi
  local entry name ppd
  for entry in "${printers[@]}"; do
    name=${entry%% *}
    ppd=${entry#* }
    # lpadmin warns that PPDs are deprecated; keep that out of the test output.
    if ! lpadmin -p "$name" -E -v file:///dev/null -P "$ppd" 2>>"$dir/log/lpadmin.log"; then
      no_printers "lpadmin could not add $name ($(tail -n 1 "$dir/log/lpadmin.log"))"
      return
    fi
  done
  # Wine must see exactly these printers, in whatever order.
  local seen wanted
  seen=$(lpstat -p 2>/dev/null | awk '$1 == "printer" { print $2 }' | sort)
  wanted=$(for entry in "${printers[@]}"; do echo "${entry%% *}"; done | sort)
  [ "$seen" = "$wanted" ] || no_printers "the server lists other printers than the bench's: $seen"
}

stop_cups() {
  local pid dir
  pid=$(pid_in cupsd.pid)
  if alive "$pid"; then
    kill "$pid"
    for _ in $(seq 1 100); do alive "$pid" || break; sleep 0.05; done
    alive "$pid" && kill -9 "$pid"
  fi
  rm -f "$state/cupsd.pid"
  dir=$(pid_in cups-dir)
  # Only a folder this bench made is removed.
  case $dir in
    */dovevar-cups.*) rm -rf "$dir" ;;
  esac
  rm -f "$state/cups-dir" "$state/no-printers"
}

up() {
  start_display
  # The server comes before the prefix, so that not even wineboot sees another printer.
  if alive "$(pid_in cupsd.pid)" && [ -d "$(pid_in cups-dir)" ]; then
    export CUPS_SERVER=$(pid_in cups-dir)/run/cups.sock
  else
    stop_cups
    start_cups
  fi
  # Without a server of its own Wine still asks no other: the socket named is dead.
  [ -n "${CUPS_SERVER:-}" ] || export CUPS_SERVER=$state/no-cups.sock
  make_prefix
  cat >"$state/env.sh" <<ENV
export WINEPREFIX='$prefix' WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
export DISPLAY='$(cat "$state/display")'
export CUPS_SERVER='$CUPS_SERVER'
export BENCH_DIR='$state'
export LONG_PRINTER_NAME='$long_name'
ENV
}

down() {
  wineserver -k 2>/dev/null || true
  stop_cups
  local pid
  pid=$(pid_in xvfb.pid)
  if alive "$pid"; then
    kill "$pid"
    for _ in $(seq 1 100); do alive "$pid" || break; sleep 0.05; done
  fi
  rm -f "$state/xvfb.pid" "$state/env.sh"
}

case $action in
  up) up ;;
  down) down ;;
  *) echo "usage: bench.sh up|down BUILD_DIR" >&2; exit 2 ;;
esac

# Shared by scripts/build, scripts/test and scripts/run: installing what is missing and
# building both builds. Sourced, not run.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

host_packages=(cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev)
windows_packages=(mingw-w64 g++-mingw-w64-x86-64-posix)
bench_packages=(wine wine64 xvfb xdotool imagemagick cups cups-client cups-bsd
  printer-driver-cups-pdf fonts-noto-cjk fonts-wine)
# The package: the manual (Markdown to HTML to PDF), the zip and the installer.
package_packages=(pandoc weasyprint nsis zip unzip)

# Installs the packages that are not installed yet; quiet, and idempotent.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# Configures and builds a preset (host, win64 or fuzz); release builds by default.
# Builds never run side by side: the machine has two cores.
build_preset() {
  mkdir -p "$root/build"
  (cd "$root" && flock "$root/build/.lock" sh -c \
    "cmake --preset '$1' >/dev/null && cmake --build --preset '$1' -j $(nproc)")
}

# The version as the program shows it: 1.3 in CMakeLists.txt is "1.03".
dovevar_version() {
  local numbers
  numbers=$(sed -nE 's/^project\(Dovevar VERSION ([0-9]+)\.([0-9]+).*/\1 \2/p' "$root/CMakeLists.txt")
  printf '%d.%02d' $numbers
}

# Makes build/dist/ from the Windows build, with the Wine bench up: the manual's
# screenshots (a scenario on the bench), Dovevar.pdf, the portable folder, its zip and
# the installer. Prints what it made; fails on the first step that fails, also where the
# caller tests its result (and so set -e does not hold inside).
package_dist() {
  local build="$root/build/win64" dist="$root/build/dist" version
  version=$(dovevar_version)
  local stage="$dist/Dovevar-$version" manual="$dist/manual"
  rm -rf "$dist"
  mkdir -p "$stage/demo" "$manual"

  bash "$root/tests/e2e/run-scenario.sh" "$build" "$root/dist/manual/screenshots.scn" \
    >"$dist/screenshots.log" || { cat "$dist/screenshots.log"; return 1; }
  cp "$build/e2e/screenshots/work/shots/"*.png "$manual/" || return 1

  # One PDF, Japanese first, then English; pictures are found beside the HTML.
  pandoc --standalone --metadata title="Dovevar $version" --css manual.css \
    "$root/dist/manual/manual_ja.md" "$root/dist/manual/manual_en.md" -o "$manual/manual.html" || return 1
  cp "$root/dist/manual/manual.css" "$manual/" || return 1
  weasyprint "$manual/manual.html" "$stage/Dovevar.pdf" 2>"$dist/weasyprint.log" ||
    { cat "$dist/weasyprint.log"; return 1; }

  cp "$build/Dovevar.exe" "$build/wchar_set.ini" "$build"/sprct_set_?.ini "$stage/" || return 1
  cp "$root/dist/demo/"*.dxf "$stage/demo/" || return 1
  # Notepad reads UTF-8 with a byte-order mark and CR LF lines on every Windows.
  { printf '\xef\xbb\xbf'; sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$root/dist/readme.txt"; } \
    >"$stage/readme.txt"

  (cd "$stage" && zip -qr "$dist/Dovevar-$version-win64.zip" .) || return 1
  makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$root/res/dovevar.ico" \
    -DOUTFILE="$dist/Dovevar-$version-setup.exe" "$root/dist/installer/dovevar.nsi" >"$dist/makensis.log" ||
    { cat "$dist/makensis.log"; return 1; }
  echo "packaged: $dist/Dovevar-$version-win64.zip, $dist/Dovevar-$version-setup.exe"
}

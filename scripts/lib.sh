# Shared by scripts/build, scripts/test and scripts/run: installing what is missing and
# building both builds. Sourced, not run.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

host_packages=(cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev)
windows_packages=(mingw-w64 g++-mingw-w64-x86-64-posix)
bench_packages=(wine wine64 xvfb xdotool imagemagick cups cups-client cups-bsd
  printer-driver-cups-pdf fonts-noto-cjk fonts-wine)

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

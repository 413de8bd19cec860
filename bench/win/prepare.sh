# Sourced by the Wine measurements after they set $root: installs what is missing, builds
# the Windows build into $build, and gives bench_up, which makes the Wine bench ready and
# takes it down when the script ends.
source "$root/scripts/lib.sh"
ensure_packages "${windows_packages[@]}" "${bench_packages[@]}"
build_preset win64
build=$root/build/win64

bench_down() { "$root/tests/e2e/bench.sh" down "$build"; }
bench_up() {
  trap bench_down EXIT
  "$root/tests/e2e/bench.sh" up "$build"
}

#!/usr/bin/env bash
# The Windows zl410-cli under Wine: its version, its COM entries, and a compile of a project in a folder
# named in other scripts whose image, driver and map are byte for byte those of the Linux build's
# zl410-cli (when given) for the same project; then, with a serial pair (tests/serial-pair.sh) and the
# Linux program, a download of that project from the Windows program on COM33 to the Linux panel simulator
# on the pair's other end.
#   tests/windows/cli.sh WINE ZL410-CLI.EXE [LINUX-ZL410-CLI]
# The caller sets WINEPREFIX (ctest: the build's prefix) and, for the download, ZL410_SERIAL_PAIR_DIR (the
# pair's folder; in the prefix the pair is COM33 and COM34).
set -euo pipefail
wine=$1
cli=$2
native=${3:-}
pair=${ZL410_SERIAL_PAIR_DIR:-}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
sim=
trap '[ -z "$sim" ] || kill "$sim" 2> /dev/null; rm -rf "$work"' EXIT
failures=0
check() { # WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
windows_cli() { ZL410_CONFIG_DIR="$work/config-windows" "$wine" "$cli" "$@" 2> "$work/err" | tr -d '\r'; }

check "--version" test "$(windows_cli --version)" = "zl410-cli $(sed -n 's/^project(zl410 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
mkdir -p "$work/config-windows"
windows_cli ports > "$work/ports"
check 'ports: COM1 is \\.\COM1' grep -qxF '  COM1  \\.\COM1' "$work/ports"
check "ports: the machine's ports listed" grep -q "^Serial ports on this machine:" "$work/ports"

# Names in other scripts reach the program whole from its command line.
project_dir="$work/项目 Übung"
mkdir -p "$project_dir/windows" "$project_dir/linux"
cp "$root/tests/data/pjz/all-kinds.pjz" "$project_dir/"
outputs=(-o image.bin --driver driver.bin --map map.json)
(cd "$project_dir/windows" && windows_cli compile ../all-kinds.pjz "${outputs[@]}") ||
  { cat "$work/err"; failures=$((failures + 1)); }
check "compile writes the image" test -s "$project_dir/windows/image.bin"
if [ -n "$native" ]; then
  mkdir -p "$work/config-linux"
  (cd "$project_dir/linux" && ZL410_CONFIG_DIR="$work/config-linux" "$native" compile ../all-kinds.pjz "${outputs[@]}")
  for f in image.bin driver.bin map.json; do
    check "$f the same bytes as Linux's" cmp "$project_dir/windows/$f" "$project_dir/linux/$f"
  done
  check "In.dat the same as Linux's" cmp "$work/config-windows/In.dat" "$work/config-linux/In.dat"
else
  echo "skipped: the comparison with the Linux build (configure with -DZL410_NATIVE_CLI=<Linux zl410-cli>)"
fi

# The download over a serial port: the Linux panel simulator serves the pair's panel end (COM34 in the
# prefix), the Windows program downloads the project through COM33; the panel's memory must then hold
# the driver at 0 and the image, marked valid, at 0x8000.
if [ -n "$native" ] && [ -n "$pair" ]; then
  "$native" panel-sim --port "$pair/panel" --dump "$work/memory.bin" > "$work/sim.out" 2> "$work/sim.err" &
  sim=$!
  for _ in $(seq 50); do
    [ -s "$work/sim.out" ] && break
    sleep 0.1
  done
  (cd "$project_dir/windows" && windows_cli download ../all-kinds.pjz --port COM33 --tick-ms 2 > "$work/download") ||
    { cat "$work/err"; failures=$((failures + 1)); }
  kill -TERM "$sim"
  wait "$sim" || { cat "$work/sim.err"; failures=$((failures + 1)); }
  sim=
  image=$project_dir/windows/image.bin
  size=$(stat -c %s "$image")
  check "download: the program says it is complete" grep -q "Download complete!Data $size bytes" "$work/download"
  check "download: the image at 0x8000, marked valid" cmp <(tail -c +$((0x8000 + 1)) "$work/memory.bin" | head -c "$size") \
    <(printf '\x5a\xa5'; tail -c +3 "$image")
  driver=$project_dir/windows/driver.bin
  check "download: the driver at 0" cmp <(head -c "$(stat -c %s "$driver")" "$work/memory.bin") "$driver"
else
  echo "skipped: the download through a serial pair (it needs socat and the Linux zl410-cli)"
fi
[ "$failures" = 0 ]

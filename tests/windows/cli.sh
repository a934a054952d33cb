#!/usr/bin/env bash
# The Windows zl410-cli under Wine: its version, its COM entries, and a compile of a project in a folder
# named in other scripts whose image, driver and map are byte for byte those of the Linux build's
# zl410-cli (when given) for the same project.
#   tests/windows/cli.sh WINE ZL410-CLI.EXE [LINUX-ZL410-CLI]
# The caller sets WINEPREFIX (ctest: the build's prefix).
set -euo pipefail
wine=$1
cli=$2
native=${3:-}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { # WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
windows_cli() { ZL410_CONFIG_DIR="$work/config-windows" "$wine" "$cli" "$@" 2> "$work/err" | tr -d '\r'; }

check "--version" test "$(windows_cli --version)" = "zl410-cli V$(sed -n 's/^project(zl410 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
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
[ "$failures" = 0 ]

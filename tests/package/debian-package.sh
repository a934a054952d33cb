#!/usr/bin/env bash
# The Debian package of scripts/package: its file list holds the programs, data, desktop integration,
# udev rule, manual pages, the user manual and completion; Depends names the shared libraries' packages; unpacked into a
# scratch root (dpkg-deb -x), the installed zl410-cli finds its data through ../share/zl410 and compiles a
# project to the same bytes as this build's zl410-cli, and the editor answers --version without a display.
# Exits 77 (skipped) when the package has not been built.
# Usage: debian-package.sh PACKAGE.deb VERSION TEST_DATA_DIR ZL410_CLI
set -uo pipefail
deb=$1 version=$2 data=$3 cli=$4
if [ ! -f "$deb" ]; then
    echo "skipped: $deb is not there (scripts/package builds it)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for item in ./usr/bin/zl410 ./usr/bin/zl410-cli \
    ./usr/share/zl410/Zentu_Ptc.dat ./usr/share/zl410/Zentu_Ptc2.dat ./usr/share/zl410/Zentu_Ptc4.dat \
    ./usr/share/zl410/Zentu_EN.dat ./usr/share/zl410/Zentu_CH.dat \
    ./usr/share/zl410/manual/manual.css ./usr/share/zl410/manual/en/index.html \
    ./usr/share/zl410/manual/zh_CN/index.html ./usr/share/zl410/manual/images/main-window.png \
    ./usr/share/zl410/LICENSE ./usr/share/zl410/translations/zl410_zh_CN.qm ./usr/share/zl410/translations/qtbase_zh_CN.qm \
    ./usr/share/applications/zl410.desktop ./usr/share/mime/packages/zl410.xml \
    ./usr/share/icons/hicolor/scalable/apps/zl410.svg ./usr/lib/udev/rules.d/70-zl410-serial.rules \
    ./usr/share/man/man1/zl410.1.gz ./usr/share/man/man1/zl410-cli.1.gz \
    ./usr/share/bash-completion/completions/zl410-cli ./usr/share/zsh/vendor-completions/_zl410-cli \
    ./usr/share/doc/zl410/copyright ./usr/share/doc/zl410/changelog.gz; do
    grep -qxF -- "$item" <<< "$files" || fail "the package lacks $item"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -q "\b$library\b" <<< "$depends" || fail "Depends lacks $library: $depends"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root" || { fail "dpkg-deb -x failed"; exit 1; }
installed=$root/usr/bin/zl410-cli
run() { env -u ZL410_DATA_DIR ZL410_CONFIG_DIR="$scratch/config" "$@"; }
[ "$(run "$installed" --version)" = "zl410-cli $version" ] || fail "zl410-cli --version"
[ "$(run env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/zl410" --version)" = "zl410 $version" ] ||
    fail "zl410 --version"
run "$installed" compile "$data/pjz/all-kinds.pjz" -o "$scratch/installed.bin" --driver "$scratch/installed-driver.bin" ||
    fail "the installed zl410-cli did not compile a project"
run "$cli" compile "$data/pjz/all-kinds.pjz" -o "$scratch/built.bin" --driver "$scratch/built-driver.bin" > /dev/null
cmp -s "$scratch/installed.bin" "$scratch/built.bin" || fail "the installed zl410-cli compiled another image"
cmp -s "$scratch/installed-driver.bin" "$scratch/built-driver.bin" || fail "the installed zl410-cli took another driver"
# The installed translation is found beside the data files.
# grep reads to the end: the program counts a pipe closed early as a failure to write its output.
run env ZL410_LANG=zh_CN "$installed" --help | grep '^用法：' > /dev/null || fail "the installed zl410-cli does not speak Chinese"

# The manual pages format without a warning.
if command -v groff > /dev/null; then
    for page in zl410 zl410-cli; do
        warnings=$(zcat "$root/usr/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
        [ -z "$warnings" ] || fail "$page.1: $warnings"
    done
fi
[ "$failures" -eq 0 ] && echo "debian package: $deb as expected"
exit $((failures > 0))

#!/usr/bin/env bash
# The installed program: installed under a fresh prefix, klt-cli finds its program folder from any
# working folder, and the desktop's entry passes the desktop's validator.
# Usage: installed_program.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
elsewhere=$(mktemp -d)
trap 'rm -rf "$prefix" "$elsewhere"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/klt bin/klt-cli bin/klt-radio-sim share/klt/global.ini share/klt/RB570.html \
    share/klt/RB570_NA.html share/icons/hicolor/48x48/apps/klt.png share/icons/hicolor/scalable/apps/klt.svg \
    lib/udev/rules.d/60-klt-serial.rules; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
grep -q 'ENV{ID_MM_DEVICE_IGNORE}="1"' "$prefix/lib/udev/rules.d/60-klt-serial.rules"

cd "$elsewhere"
env -u KLT_PROGRAM_FOLDER "$prefix/bin/klt-cli" new --model 1 -o x.dat
grep -q . x.dat
desktop-file-validate "$prefix/share/applications/io.github.kltprogrammer.klt.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/io.github.kltprogrammer.klt.metainfo.xml" >/dev/null

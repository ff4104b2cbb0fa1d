#!/usr/bin/env bash
# The Debian package as a user gets it: every file of its list is in it and lands where the list
# says, the installed klt-cli runs from a scratch root, its AppStream data and desktop entry pass
# their validators, lintian finds no error, and the build it came from needs no test framework.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
root=$(mktemp -d)
scratch=$(mktemp -d)
trap 'rm -rf "$root" "$scratch"' EXIT

shopt -s nullglob
debs=("$build"/klt-programmer_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one klt-programmer_VERSION_amd64.deb in $build, found ${#debs[@]}"; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

# Its control data: name, version, and the libraries dpkg-shlibdeps found.
[ "$(dpkg-deb -f "$deb" Package)" = klt-programmer ]
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6serialport6 libqt6printsupport6 libc6 libstdc++6; do
    grep -q "$library" <<<"$depends" || { echo "Depends lacks $library: $depends"; exit 1; }
done

# Every file of the package's list is there once unpacked, and the list holds what a user needs.
dpkg-deb -x "$deb" "$root"
listed=0
while read -r path; do
    path=${path#./}
    [ -n "$path" ] || continue
    [ -e "$root/$path" ] || { echo "listed but not unpacked: $path"; exit 1; }
    listed=$((listed + 1))
done < <(dpkg-deb -c "$deb" | awk '{ print $6 }')
for file in usr/bin/klt usr/bin/klt-cli usr/bin/klt-radio-sim usr/share/klt/global.ini \
    usr/share/klt/USA_012C.ini usr/share/klt/RB570.html \
    usr/share/applications/io.github.kltprogrammer.klt.desktop \
    usr/share/metainfo/io.github.kltprogrammer.klt.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/klt.svg usr/share/icons/hicolor/48x48/apps/klt.png \
    usr/lib/udev/rules.d/60-klt-serial.rules usr/share/man/man1/klt-cli.1.gz usr/share/man/man1/klt.1.gz \
    usr/share/man/man1/klt-radio-sim.1.gz \
    usr/share/doc/klt-programmer/copyright usr/share/doc/klt-programmer/changelog.gz; do
    [ -e "$root/$file" ] || { echo "not in the package: $file"; exit 1; }
done
echo "files: $listed listed, all unpacked"

# The installed klt-cli finds its program folder beside its bin, from any working folder.
cd "$scratch"
env -u KLT_PROGRAM_FOLDER "$root/usr/bin/klt-cli" new --model 3 -o new.dat
env -u KLT_PROGRAM_FOLDER "$root/usr/bin/klt-cli" convert --model 3 new.dat new.hex
info=$(env -u KLT_PROGRAM_FOLDER "$root/usr/bin/klt-cli" info new.hex)
grep -q "32768" <<<"$info" || { echo "info: $info"; exit 1; }
zcat "$root/usr/share/man/man1/klt-cli.1.gz" | grep -q '^\.SH VERBS'
man -l "$root/usr/share/man/man1/klt-cli.1.gz" 2>/dev/null | grep -q "^VERBS" ||
    { echo "the manual page does not read"; exit 1; }

appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.kltprogrammer.klt.metainfo.xml"
desktop-file-validate "$root/usr/share/applications/io.github.kltprogrammer.klt.desktop"

# lintian: no error (warnings and notes are printed for the reader).
lintian_out=$(lintian --tag-display-limit 0 "$deb" || true)
[ -z "$lintian_out" ] || echo "$lintian_out"
if grep -q '^E: ' <<<"$lintian_out"; then
    echo "lintian reports errors"
    exit 1
fi

# A packager's build: configuring without the tests needs neither GoogleTest nor Google Benchmark.
cmake -S "$source" -B "$scratch/packager" -G Ninja -DBUILD_TESTING=OFF --no-warn-unused-cli \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
echo "package test passed"

#!/usr/bin/env bash
# `make demo` with the demo driver in the editor's place; the demo radio's memory is kept on its way
# out, and must hold the name the driver programmed.
# Usage: demo_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source=$1
build=$2
kept=$(mktemp -d)
trap 'rm -rf "$kept"' EXIT
KLT_PROGRAM_FOLDER="$build/bin" KLT_DEMO_EDITOR="$build/tests/demo_driver" KLT_DEMO_SAVE="$kept/radio.hex" QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
    bash "$source/scripts/demo" "$build"
report=$("$build/bin/klt-cli" report --model 1 "$kept/radio.hex")
grep -q "DEMO EDIT" <<<"$report"
echo "ok   the demo radio keeps the programmed name"

#!/usr/bin/env bash
# The editor under a virtual display with the accessibility bus, walked by screen_reader_walk.py.
# Usage: screen_reader_walk.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
home=$(mktemp -d)
trap 'kill "${editor:-}" "${DBUS_SESSION_BUS_PID:-}" 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KLT_PROGRAM_FOLDER="$build/bin"
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
"$build/bin/klt" >/dev/null 2>&1 &
editor=$!
/usr/bin/python3 "$here/screen_reader_walk.py" 45

#!/usr/bin/env bash
# Starts the game on a virtual display with a private session bus and the
# AT-SPI bus, and reads it from outside as a screen reader does.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1024x768x24" \
  dbus-run-session -- /usr/bin/python3 "$here/atspi_board.py" "$program"

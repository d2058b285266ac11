#!/usr/bin/env bash
# Traces the probe's file opens: a fresh board load opens
# QRX-Images/blank.gif exactly once, and marking X and O opens no file.
set -euo pipefail
probe=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen strace -f -qq -e trace=open,openat,openat2,access -o "$log" "$probe"
between() { awk -v a="$1" -v b="$2" 'index($0, a) {on = 1; next} index($0, b) {on = 0} on' "$log"; }
load=$(between zentrivo-phase-load zentrivo-phase-mark)
mark=$(between zentrivo-phase-mark zentrivo-phase-end)
blank=$(printf '%s\n' "$load" | grep -c 'QRX-Images/blank.gif' || true)
opened=$(printf '%s\n' "$mark" | grep -c -E 'open(at2?)?\(' || true)
echo "fresh load: blank.gif opened $blank time(s); marking 100 cells: $opened file open(s)"
[ "$blank" -eq 1 ] || { printf '%s\n' "$load" | grep blank; exit 1; }
[ "$opened" -eq 0 ] || { printf '%s\n' "$mark"; exit 1; }

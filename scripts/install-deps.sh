#!/usr/bin/env bash
# Installs, from Debian 12's packages, whatever the build, the game and its
# tests need and the machine lacks. Runs apt-get as root (through sudo when
# started by another user).
set -euo pipefail
packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libgl-dev   # Qt 6 Widgets
  qt6-base-private-dev                        # the accessibility test turns Qt's bridge on
  libgif-dev                                  # the picture tool writes GIF
  libxcb1-dev                                 # the game tries the X display before Qt starts
  fonts-liberation                            # the game's fonts
  fonts-dejavu-core                           # the face the tests see in their place when they hide them
  xvfb xauth                                  # a virtual display for screenshots and players without one
  clang libclang-rt-14-dev                    # the save-file reader's fuzz target
  desktop-file-utils appstream                # checks of the launcher and metainfo files
  strace                                      # the board's file access, traced
  dbus-bin at-spi2-core python3-pyatspi xdotool  # a screen reader's view, read over AT-SPI
  cppcheck clang-tidy                         # static checks
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
run_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
export DEBIAN_FRONTEND=noninteractive
run_root apt-get update -qq
run_root apt-get install -y -qq --no-install-recommends "${missing[@]}"

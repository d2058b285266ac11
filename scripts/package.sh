#!/usr/bin/env bash
# Builds the Debian package from a Release configuration with Debian's
# hardening flags, then checks it with lintian (installed when missing).
#   bash scripts/package.sh [BUILD_DIR]     (default: build-package)
# Leaves zentrivo_<version>_amd64.deb in BUILD_DIR; fails on any lintian
# error or warning.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-package}
bash scripts/install-deps.sh
run_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
if ! command -v lintian >/dev/null; then
  DEBIAN_FRONTEND=noninteractive run_root apt-get install -y -qq --no-install-recommends lintian
fi

# The compiler and linker flags Debian builds its packages with (stack
# protector, fortified functions, read-only relocations, immediate binding).
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
# Only the program, its pictures and documents are built; not the tests.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target zentrivo pictures docs
(cd "$dir" && cpack -G DEB)
deb=$(ls "$dir"/zentrivo_*_amd64.deb)
echo "Package: $deb ($(du -k "$deb" | cut -f1) KiB)"
lintian --fail-on error,warning "$deb"
echo "lintian: no error, no warning"

#!/usr/bin/env bash
# Builds the Debian package build-package/abacore-drill_VERSION_ARCH.deb from the program alone
# (no tests, no benchmarks), with `cpack -G DEB`, whose dpkg-shlibdeps finds the library packages
# the program needs. With --install it then installs the package, as root or through sudo.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/install_packages.sh"
install_packages build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev \
                 nlohmann-json3-dev dpkg-dev file gzip
out="$here/build-package"
cmake -S "$here" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DABACORE_TESTS=OFF -DABACORE_BENCH=OFF > /dev/null
cmake --build "$out" -j "$(nproc)" 1>&2
(cd "$out" && cpack -G DEB > /dev/null)
deb=$(ls "$out"/abacore-drill_*.deb)
echo "$deb"
if [ "${1:-}" = "--install" ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "$deb"
fi

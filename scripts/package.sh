#!/usr/bin/env bash
# Builds the Debian package build/abacore-drill_VERSION_ARCH.deb: sets up and builds as ./run
# does, then `cpack -G DEB`, whose dpkg-shlibdeps finds the library packages the program needs.
# Install it with `sudo apt-get install ./build/abacore-drill_*.deb`.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/setup.sh"
# What CPack uses to find the dependencies.
for p in dpkg-dev file; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "$p"
  fi
done
cd "$here/build"
cpack -G DEB

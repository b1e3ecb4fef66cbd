# Sourced by ./run and ./test: installs the Debian packages the build needs (only those
# missing, so a set-up machine starts at once) and builds into build/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/install_packages.sh"
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev fonts-liberation2
          fonts-dejavu-core poppler-utils desktop-file-utils appstream libxdamage-dev)
install_packages "${packages[@]}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
# Build messages go to stderr, so that the program's own output stays clean.
cmake --build "$here/build" -j "$(nproc)" 1>&2

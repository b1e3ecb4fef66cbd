# Sourced by ./run and ./test: installs the Debian packages the build needs (only those
# missing, so a set-up machine starts at once) and builds into build/.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev fonts-liberation2
          fonts-dejavu-core poppler-utils desktop-file-utils appstream
          chromium chromium-driver python3-selenium tidy)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
# Build messages go to stderr, so that the program's own output stays clean.
cmake --build "$here/build" -j "$(nproc)" 1>&2

#!/usr/bin/env bash
# Builds everything a second time with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs every test there; any finding fails. Run ./test first (it installs
# what the build needs).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$here" -B "$here/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DABACORE_SANITIZE=ON -DABACORE_BENCH=OFF > /dev/null
cmake --build "$here/build-sanitize" -j "$(nproc)" 1>&2
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
# Leaks are not findings here: Qt and fontconfig keep caches until the process ends.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:halt_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd "$here/build-sanitize"
ctest --output-on-failure -j "$(nproc)"

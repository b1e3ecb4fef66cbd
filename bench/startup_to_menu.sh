#!/usr/bin/env bash
# Time from starting the program to its main menu being on screen, as a user sees it: a real
# X server (Xvfb when there is no display) and xdotool waiting for the window to be mapped.
# Usage: bench/startup_to_menu.sh [BUILD_DIR] [RUNS]   (needs xvfb and xdotool)
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
runs="${2:-10}"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$build" "$runs"
fi
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp "$build"/AbacoreBack.jpg "$folder"/
printf 'settings\r\nreserved\r\n*****\r\n' > "$folder/kvtdata.dat" # past the first start
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$build/abacore-drill" --folder "$folder" &
  pid=$!
  # Poll quickly: xdotool's own --sync waits half a second between looks.
  for _ in $(seq 2000); do
    timeout 2 xdotool search --onlyvisible --name "Abacore-- Drill Edition" > /dev/null 2>&1 && break
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start to main menu shown, ms: ${times[*]}"
echo "median: ${sorted[$(( runs / 2 ))]} ms"

#!/usr/bin/env bash
# Time from starting the program to its main menu being on screen, as a user sees it: a real
# X server (Xvfb when there is no display) and xdotool waiting for the window to be mapped.
# Each run is paired with one of a bare Qt window with one label (bench/bare_window), started
# and waited for the same way, so the load of the machine weighs on both alike.
# Usage: bench/startup_to_menu.sh [BUILD_DIR] [RUNS]   (needs xvfb and xdotool)
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
runs="${2:-10}"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$build" "$runs"
fi
folder="$(mktemp -d)"
runtime="$(mktemp -d)"
trap 'rm -rf "$folder" "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
cp "$build"/AbacoreBack.jpg "$folder"/
printf 'settings\r\nreserved\r\n*****\r\n' > "$folder/kvtdata.dat" # past the first start

# Milliseconds from starting "$@" to a visible window named $title.
shown_after() {
  local title="$1" start end pid
  shift
  start=$(date +%s%N)
  "$@" > /dev/null 2>&1 &
  pid=$!
  # Poll quickly: xdotool's own --sync waits half a second between looks.
  for _ in $(seq 2000); do
    timeout 2 xdotool search --onlyvisible --name "$title" > /dev/null 2>&1 && break
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo $(( (end - start) / 1000000 ))
}

median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }

menu=() bare=() ratios=()
for _ in $(seq "$runs"); do
  m=$(shown_after "Abacore-- Drill Edition" "$build/abacore-drill" --folder "$folder")
  b=$(shown_after "Bare Qt window" "$build/bench/bare_window")
  menu+=("$m") bare+=("$b")
  ratios+=("$(awk -v m="$m" -v b="$b" 'BEGIN { printf "%.3f", m / b }')")
done
echo "start to main menu shown, ms: ${menu[*]}"
echo "start to bare window shown, ms: ${bare[*]}"
echo "median: $(median "${menu[@]}") ms against $(median "${bare[@]}") ms;" \
     "median of paired ratios: $(median "${ratios[@]}")"

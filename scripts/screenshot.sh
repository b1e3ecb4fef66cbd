#!/usr/bin/env bash
# Makes the AppStream screenshot dist/screenshots/main-menu.png from the real window: starts the
# built program (build/abacore-drill, from ./run or ./test) on a fresh copy of its program
# folder under a virtual display with a window manager, and photographs the main menu.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/install_packages.sh"
install_packages xvfb openbox xdotool imagemagick
program="$here/build/abacore-drill"
[ -x "$program" ] || { echo "build the program first (./run or ./test)" >&2; exit 1; }
work=$(mktemp -d)
trap 'kill "${app:-}" "${wm:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$here/data/." "$work/folder"
# The first start thanks the teacher; this picture is of a later start.
sed -i '3s/^+++++/*****/' "$work/folder/kvtdata.dat"
export DISPLAY=:93
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp & xvfb=$!
sleep 1
openbox & wm=$!
sleep 1
XDG_RUNTIME_DIR="$work" "$program" --folder "$work/folder" & app=$!
window=""
for _ in $(seq 50); do
  window=$(xdotool search --sync --onlyvisible --pid "$app" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the main menu did not appear" >&2; exit 1; }
sleep 1
mkdir -p "$here/dist/screenshots"
import -window "$window" -frame "$here/dist/screenshots/main-menu.png"
echo "$here/dist/screenshots/main-menu.png"

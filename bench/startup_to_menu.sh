#!/usr/bin/env bash
# Time from starting the program to its main menu on the screen, against a bare Qt window with
# one label (bench/bare_window), each started and watched the same way: startup_watch reads, from
# the X server itself, when the window is mapped and when it is first painted. Runs are paired,
# so the load of the machine weighs on both alike. Two figures, as a teacher would see them:
# - mapped: the window is there (a bare window lays out and loads its font only after this);
# - painted: the window shows its contents (the menu: picture, titles and buttons).
# Usage: bench/startup_to_menu.sh [BUILD_DIR] [RUNS]   (needs xvfb)
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
runs="${2:-20}"
watch="$build/bench/startup_watch"
if [ ! -x "$watch" ]; then
  echo "no $watch: it is built where libxdamage-dev is installed (./run installs it)" >&2
  exit 2
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$build" "$runs"
fi
folder="$(mktemp -d)"
runtime="$(mktemp -d)"
trap 'rm -rf "$folder" "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
cp "$build"/AbacoreBack.jpg "$folder"/
printf 'settings\r\nreserved\r\n*****\r\n' > "$folder/kvtdata.dat" # past the first start

for _ in $(seq "$runs"); do
  echo "menu $("$watch" "$build/abacore-drill" --folder "$folder")"
  echo "bare $("$watch" "$build/bench/bare_window")"
done | awk '
  function median(list,   v, n, i, j, t) {
    n = split(list, v, " ")
    for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j-1] > v[j]; j--) { t = v[j]; v[j] = v[j-1]; v[j-1] = t }
    return v[int((n + 1) / 2)]
  }
  $1 == "menu" { mm = $3; mp = $5; menuMapped = menuMapped " " $3; menuPainted = menuPainted " " $5 }
  $1 == "bare" { bareMapped = bareMapped " " $3; barePainted = barePainted " " $5
                 mappedRatio = mappedRatio " " mm / $3; paintedRatio = paintedRatio " " mp / $5 }
  END {
    printf "mapped:  main menu %.1f ms against bare window %.1f ms; median of paired ratios %.3f\n",
           median(menuMapped), median(bareMapped), median(mappedRatio)
    printf "painted: main menu %.1f ms against bare window %.1f ms; median of paired ratios %.3f\n",
           median(menuPainted), median(barePainted), median(paintedRatio)
  }'

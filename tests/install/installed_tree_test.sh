#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed program from there, with
# the installed share/ folder read-only and HOME in a temporary folder: `make` writes only its
# output, the first start makes the user's own folder (settings copied, thanked once), a second
# start leaves the user's settings alone, and nothing under share/ changes at any time. Then a
# teacher's home whose own folder (edited riddles and settings) is where an earlier version kept
# it, ~/.local/share/abacore-drill: an install with --prefix ~/.local refuses to touch it, the
# program moves it to its new place, and installs into ~/.local then leave it byte for byte.
# When run as root, the program runs as "nobody" so that read-only really means read-only.
# Usage: installed_tree_test.sh BUILD_FOLDER
set -euo pipefail
build="$1"
work="$(mktemp -d)"
chmod 755 "$work"
started="" # the program's pid while it runs in the background
trap '[ -z "$started" ] || kill "$started" 2> /dev/null; chmod -R u+w "$work"; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null
program="$prefix/bin/abacore-drill"
share="$prefix/share"
for f in abacore-drill/kvtdata.dat abacore-drill/Riddles.dat abacore-drill/add.dat \
         abacore-drill/subtract.dat abacore-drill/multiply.dat abacore-drill/divide.dat \
         abacore-drill/AbacoreBack.jpg applications/org.abacore.drill.desktop \
         metainfo/org.abacore.drill.metainfo.xml man/man1/abacore-drill.1.gz \
         icons/hicolor/scalable/apps/org.abacore.drill.svg; do
  [ -f "$share/$f" ] || fail "not installed: share/$f"
done
# The PNG icons are the sizes their folders say (width and height from the PNG header).
for size in 48 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/org.abacore.drill.png"
  [ -f "$png" ] || fail "not installed: $png"
  [ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" = "$(printf '%08x%08x' "$size" "$size")" ] ||
    fail "$png is not ${size}x${size}"
done

chmod -R a-w "$share"
snapshot() { (cd "$share" && find . -printf '%p %s %T@ %m\n' | sort && find . -type f -exec sha256sum {} + | sort); }
before="$(snapshot)"

home="$work/home"
mkdir -p "$home" "$work/home2" "$work/out" "$work/runtime"
chmod 700 "$work/runtime"
as_user=()
if [ "$(id -u)" -eq 0 ] && command -v setpriv > /dev/null; then
  chown -R 65534:65534 "$home" "$work/home2" "$work/out" "$work/runtime"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
# A clean environment, but for the sanitizers' settings of a sanitizer build.
sanitizers=()
for name in ASAN_OPTIONS UBSAN_OPTIONS; do
  [ -n "${!name:-}" ] && sanitizers+=("$name=${!name}")
done
# The command line that runs "$@" as the user of $home, in `command`. env and setpriv each
# replace themselves with the next program, so a background run's $! is the program itself.
command_for() {
  command=(env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$work/runtime"
           QT_QPA_PLATFORM=offscreen ${sanitizers[@]+"${sanitizers[@]}"}
           ${as_user[@]+"${as_user[@]}"} "$@")
}
run() { command_for "$@"; "${command[@]}"; }
# The pids of every process running $program.
running() {
  local p
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/exe" 2> /dev/null)" != "$program" ] || echo "${p#/proc/}"
  done
}
own="$home/.config/abacore-drill"
worksheets="$home/Documents/Abacore Worksheets"

# `make` reads the installed files and writes only its output.
run "$program" make skills --seed 7 -o "$work/out/sheet.txt" --answer-key "$work/out/key.txt" ||
  fail "make failed from the installed copy"
head -1 "$work/out/sheet.txt" | grep -q "^Addition Practice Worksheet" || fail "make wrote no sheet"
[ -z "$(ls -A "$home")" ] || fail "make wrote into the home folder: $(ls -A "$home")"
# Read whole: grep -q stops at the first match, and a longer text would then meet a closed pipe.
help="$(run "$program" --help)" || fail "--help from the installed copy"
grep -q -- "--folder DIR" <<<"$help" || fail "--help from the installed copy"

# Starts the program and waits until `ready` (a test command) holds, then ends it. The
# thank-you box of the first start waits for a click, so the program is ended from outside.
start_until() {
  local ready="$1"
  command_for "$program"
  "${command[@]}" > "$work/out/start.log" 2>&1 &
  started=$!
  for _ in $(seq 1 300); do
    if eval "$ready"; then
      kill -0 "$started" 2> /dev/null ||
        fail "the program ended by itself: $(cat "$work/out/start.log")"
      kill "$started"
      wait "$started" 2> /dev/null || true
      started=""
      [ -z "$(running)" ] || fail "the program is still running: $(running)"
      return 0
    fi
    kill -0 "$started" 2> /dev/null ||
      fail "the program ended at start: $(cat "$work/out/start.log")"
    sleep 0.1
  done
  fail "the program did not get to the main menu: $ready"
}

# First start: the user's folder with the settings file, its first-run marker now used up.
start_until '[ -d "$worksheets" ] && grep -q "^\*\*\*\*\*" "$own/kvtdata.dat" 2> /dev/null'
[ "$(ls -A "$own")" = "kvtdata.dat" ] || fail "the user's folder holds $(ls -A "$own")"
cmp -s <(sed 's/^+++++\r$/*****\r/' "$share/abacore-drill/kvtdata.dat") "$own/kvtdata.dat" ||
  fail "the user's settings file is not the shipped one with line 3 used up"

# Second start: the settings file is not written again (the worksheets folder, made anew at
# each opening of the main menu, tells that start-up has run).
rm -r "$worksheets"
touch -d '2001-01-01' "$own/kvtdata.dat"
stamp="$(stat -c '%Y %s' "$own/kvtdata.dat")"
start_until '[ -d "$worksheets" ]'
[ "$(stat -c '%Y %s' "$own/kvtdata.dat")" = "$stamp" ] || fail "the second start wrote the settings"

[ "$(snapshot)" = "$before" ] || fail "the installed share/ folder changed"

# A teacher's folder where an earlier version kept it, with their own riddles and settings.
home="$work/home2"
earlier="$home/.local/share/abacore-drill"
own="$home/.config/abacore-drill"
mkdir -p "$earlier"
printf 'Abacore: Drill Edition settings\r\n/usr/bin/lowriter\r\n*****\r\n' > "$earlier/kvtdata.dat"
printf 'What do teachers keep?\r\nTheir own riddles!\r\n' > "$earlier/Riddles.dat"
[ -z "${as_user[*]}" ] || chown -R 65534:65534 "$home"
edited="$(cd "$earlier" && sha256sum kvtdata.dat Riddles.dat)"
same_files() { [ "$(cd "$1" && sha256sum kvtdata.dat Riddles.dat)" = "$edited" ]; }
riddle_of() { # the riddle a sheet from this program starts with, by default the teacher's
  run "$1" make riddle --seed 3 -o "$work/out/riddle.txt" ||
    fail "make riddle failed from $1"
  grep -q "What do teachers keep?" "$work/out/riddle.txt" || fail "$1 did not read the teacher's riddles"
}

# Installing into ~/.local would write over that folder: refused before writing anything.
! cmake --install "$build" --prefix "$home/.local" > "$work/out/install.log" 2>&1 ||
  fail "the install into ~/.local wrote over the teacher's folder"
tr -s ' \n' '  ' < "$work/out/install.log" | grep -q "holds a teacher's own files" ||
  fail "the refusal does not say why: $(cat "$work/out/install.log")"
same_files "$earlier" || fail "the refused install changed the teacher's files"
[ ! -e "$home/.local/bin" ] || fail "the refused install wrote its program"

# The program takes the folder over where it now keeps the teacher's files...
riddle_of "$program"
[ ! -e "$earlier" ] && same_files "$own" || fail "the teacher's folder was not moved whole"
# ...where installing into ~/.local, twice, leaves it alone, and the home install reads it.
for _ in 1 2; do
  cmake --install "$build" --prefix "$home/.local" > /dev/null || fail "the install into ~/.local"
done
same_files "$own" || fail "installing into ~/.local changed the teacher's files"
riddle_of "$home/.local/bin/abacore-drill"
[ "$(LC_ALL=C ls -A "$own")" = "$(printf 'Riddles.dat\nkvtdata.dat')" ] || fail "the user's folder holds $(ls -A "$own")"
echo "installed tree: ok"

#!/usr/bin/env bash
# Writes a corpus of make's outputs (every activity and format, many seeds and options) into
# DIR, so that two builds can be compared file for file: a change that should not alter what
# a teacher gets must leave every file byte-identical (PDFs: their text and page count).
#   scripts/output_corpus.sh PROGRAM DIR        then   diff -r DIR1 DIR2
set -euo pipefail
program="$(realpath "$1")"
# Letter, whatever this machine's paper is.
export PAPERSIZE=letter
out="$2"
mkdir -p "$out"
cd "$out"
make() { "$program" make "$@" >/dev/null 2>&1 || echo "exit $? for: $*" >>exits.txt; }
: >exits.txt
variants=(
  "skills --skills add,sub --style horizontal,vertical"
  "skills --skills div --style bracket,horizontal --remainders --first 1..500 --second 1..12"
  "skills --skills add,sub,mul,div --negatives --large-print"
  "riddle --skills mul --first 1..12 --second 1..12"
  "squares --skills add --first-square-filled"
  "squares --skills mul --first 1..12 --count 8"
  "words --skills add,sub,mul,div"
  "cards --skills add,mul --style vertical"
  "matching --skills sub,div --second 1..10"
  "matching --skills add --large-print --heading Fractions"
  "crossword --skills add,mul"
  "crossword --skills sub --first 1..100 --second 1..100 --count 15"
)
i=0
for v in "${variants[@]}"; do
  i=$((i + 1))
  for seed in 1 2 3 4 5 6 7 8; do
    base="v${i}s${seed}"
    case "$v" in
      crossword*) make $v --seed "$seed" -o "$base.txt" --answer-key "$base-key.txt"
                  make $v --seed "$seed" -o "$base.ipuz" ;;
      cards*) make $v --seed "$seed" -o "$base.rtf"; make $v --seed "$seed" -o "$base.txt" ;;
      *) make $v --seed "$seed" -o "$base.rtf" --answer-key "$base-key.rtf"
         make $v --seed "$seed" -o "$base.txt" --answer-key "$base-key.txt" ;;
    esac
    case "$v" in
      riddle*|cards*|squares*|crossword*) ;;
      *) make $v --seed "$seed" -o "$base.html" ;;
    esac
  done
  # PDFs are compared by their text and page count (they carry a creation date).
  case "$v" in
    cards*) make $v --seed 11 -o "v${i}.pdf" ;;
    *) make $v --seed 11 -o "v${i}.pdf" --answer-key "v${i}-key.pdf" ;;
  esac
  make $v --seed 12 --copies 3 -o "v${i}-set.txt"
done
for pdf in *.pdf; do
  pdftotext -layout "$pdf" "$pdf.txt" && pdfinfo "$pdf" | grep '^Pages' >>"$pdf.txt"
  rm "$pdf"
done
ls | wc -l

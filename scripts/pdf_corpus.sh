#!/usr/bin/env bash
# Writes the PDFs of a few hundred sheets and keys (every activity, both papers, large print,
# class sets, long sheets) into DIR as what a reader gets from them: the page count, the text
# laid out, and every word with its box on its page. Two builds whose page path should draw
# the same pages give the same DIR:
#   scripts/pdf_corpus.sh PROGRAM DIR        then   diff -r DIR1 DIR2
set -euo pipefail
program="$(realpath "$1")"
out="$2"
mkdir -p "$out"
cd "$out"
: >exits.txt
variants=(
  "skills --skills add,sub --style horizontal,vertical"
  "skills --skills add --style vertical --count 200"
  "skills --skills div --style bracket,horizontal --remainders --first 1..500 --second 1..12"
  "skills --skills add,sub,mul,div --negatives --large-print"
  "skills --skills sub --style missing --regrouping always --count 60"
  "skills --skills mul --facts 3,4 --heading Tables --count 1000"
  "riddle --skills mul --first 1..12 --second 1..12"
  "riddle --skills add,sub --large-print"
  "squares --skills add --first-square-filled"
  "squares --skills mul --first 1..12 --count 8"
  "squares --skills add,sub --large-print"
  "words --skills add,sub,mul,div"
  "words --skills add,mul --count 20 --large-print"
  "cards --skills add,mul --style vertical"
  "cards --skills div --count 400"
  "matching --skills sub,div --second 1..10"
  "matching --skills add --large-print --heading Fractions"
  "crossword --skills add,mul"
)
i=0
for v in "${variants[@]}"; do
  i=$((i + 1))
  for paper in letter a4; do
    for seed in 1 2 3 4 5 6; do
      base="v${i}-${paper}-s${seed}"
      args=($v --paper "$paper" --seed "$seed" -o "$base.pdf")
      case "$v" in cards*) ;; *) args+=(--answer-key "$base-key.pdf") ;; esac
      [ "$seed" = 6 ] && args+=(--copies 3)
      "$program" make "${args[@]}" >/dev/null 2>&1 || echo "exit $? for: ${args[*]}" >>exits.txt
    done
  done
done
for pdf in *.pdf; do
  { pdfinfo "$pdf" | grep '^Pages'; pdftotext -layout "$pdf" -; } >"$pdf.txt"
  # Word boxes to a hundredth of a point (how a line's glyphs are moved to may differ in the
  # last digits), without the file's own name and dates.
  pdftotext -bbox "$pdf" - | grep -v '<title>\|<meta' |
    perl -pe 's/="(-?\d+\.\d+)"/sprintf("=\"%.2f\"", $1)/ge' >"$pdf.words"
  rm "$pdf"
done
ls | wc -l

#!/usr/bin/env bash
# Checks the menu entry and the AppStream metadata with the validators the desktop uses. Skips
# (exit 77) when the validator is not installed.
# Usage: validate_metadata.sh desktop|appstream SOURCE_FOLDER
set -euo pipefail
case "$1" in
desktop)
  command -v desktop-file-validate > /dev/null || { echo "desktop-file-validate missing"; exit 77; }
  out="$(desktop-file-validate "$2/dist/org.abacore.drill.desktop" 2>&1)"
  ;;
appstream)
  command -v appstreamcli > /dev/null || { echo "appstreamcli missing"; exit 77; }
  out="$(appstreamcli validate --no-net --pedantic "$2/dist/org.abacore.drill.metainfo.xml" 2>&1)" ||
    { echo "$out"; exit 1; }
  ;;
*)
  echo "usage: $0 desktop|appstream SOURCE_FOLDER" >&2
  exit 2
  ;;
esac
# desktop-file-validate exits 0 after hints too; any line it prints is a finding.
if [ "$1" = desktop ] && [ -n "$out" ]; then
  echo "$out"
  exit 1
fi
echo "$1: valid"

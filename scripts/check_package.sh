#!/usr/bin/env bash
# The checks a distribution runs on a package, run here before a release (CI does not need
# them): builds the .deb with scripts/package.sh, then lintian on it (errors, warnings and the
# hardening notes all count), the strict AppStream validator and appstreamcli on the metadata,
# desktop-file-validate on the menu entry. Exits non-zero on the first finding.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/install_packages.sh"
install_packages lintian appstream-util appstream desktop-file-utils
deb=$("$here/scripts/package.sh" | tail -n 1)
echo "lintian $deb"
# -I shows the notes (I:) too, among them hardening-no-bindnow and hardening-no-fortify-functions.
findings=$(lintian -I --no-tag-display-limit "$deb" 2>&1 | grep -E '^[EWI]:' || true)
if [ -n "$findings" ]; then
  echo "$findings"
  exit 1
fi
echo "appstream-util validate"
appstream-util validate --nonet "$here/dist/org.abacore.drill.metainfo.xml"
echo "appstreamcli validate"
appstreamcli validate --no-net --pedantic "$here/dist/org.abacore.drill.metainfo.xml"
echo "desktop-file-validate"
out=$(desktop-file-validate "$here/dist/org.abacore.drill.desktop" 2>&1)
[ -z "$out" ] || { echo "$out"; exit 1; }
echo "package checks: all passed"

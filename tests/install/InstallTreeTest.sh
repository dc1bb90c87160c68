#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs the build into a temporary DESTDIR and checks the tree: the program, the desktop entry
# and the metainfo (both passed by their real validators), every icon, and the licence.
#   InstallTreeTest.sh BUILD_DIR APP_ID VERSION [PROGRAM]   (the program zandrel by default)
set -euo pipefail
build=$1 id=$2 version=$3 program=${4:-zandrel}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr

[[ -x $usr/bin/$program ]] || fail "no $program in bin/"
# zandrel-gen finds its picture module in the installed tree, not the build's.
printf 'P1\n2 1\n1 0\n' > "$root/dot.pbm"
out=$(cd / && "$usr/bin/zandrel-gen" image "$root/dot.pbm" -f preview 2>&1) || fail "installed zandrel-gen image: $out"
[[ $out == "#." ]] || fail "installed zandrel-gen image wrote '$out'"
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
[[ -f $desktop ]] || fail "no desktop entry $desktop"
[[ -f $metainfo ]] || fail "no metainfo $metainfo"
[[ -f $usr/share/icons/hicolor/scalable/apps/$id.svg ]] || fail "no scalable icon"
for size in 16 24 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
  [[ -f $png ]] || fail "no ${size}px icon"
  [[ $(file -b "$png") == "PNG image data, $size x $size,"* ]] || fail "$png is not $size x $size"
done
[[ -f $usr/share/doc/zandrel/GPL-2.0-or-later.txt ]] || fail "no licence under share/doc/zandrel"
grep -q 'GNU GENERAL PUBLIC LICENSE' "$usr/share/doc/zandrel/GPL-2.0-or-later.txt" || fail "licence text"

# Validators print nothing and succeed when a file is clean; any finding fails the test.
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[[ -z $out ]] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1) || fail "appstreamcli: $out"
if grep -qE '^(E|W):' <<<"$out"; then fail "appstreamcli: $out"; fi

# The entry, the metainfo and the icon agree on the application ID and the version.
grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not name icon $id"
grep -qx "Exec=$program" "$desktop" || fail "desktop entry does not start $program"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "launchable"
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"/>" "$metainfo" \
  || fail "metainfo does not release $version with a date"
echo "installed tree of $id $version is complete and valid"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Builds the Debian package into a temporary folder and checks its control fields and file list.
#   DebPackageTest.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail cpack; }
arch=$(dpkg --print-architecture)
deb=$out/zandrel_${version}_$arch.deb
[[ -f $deb ]] || fail "no $deb; cpack made: $(ls "$out")"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == zandrel ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version)"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture: $(field Architecture)"
[[ $(field Section) == electronics ]] || fail "Section: $(field Section)"
[[ $(field Maintainer) == *'<'*@*'>' ]] || fail "Maintainer: $(field Maintainer)"
description=$(field Description)
[[ $(wc -l <<<"$description") -ge 3 ]] || fail "no long description: $description"

depends=$(field Depends)
for needed in 'libqt6widgets6' 'libc6' 'qt6-qpa-plugins' 'fonts-arphic-uming | fonts-wqy-microhei'; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
# The font is compiled in and Qt's headers and the compiler are for building only.
if grep -qE '(^|[ ,|])(g\+\+|gcc|cmake|ninja-build|zhcon-data|qt6-base-dev|[a-z0-9.+-]+-dev)([ (,]|$)' <<<"$depends"; then
  fail "build-only package in Depends: $depends"
fi

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/zandrel ./usr/share/applications/$id.desktop \
            ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg \
            ./usr/share/icons/hicolor/48x48/apps/$id.png ./usr/share/doc/zandrel/GPL-2.0-or-later.txt \
            ./usr/bin/zandrel-studio ./usr/share/applications/${id}Studio.desktop \
            ./usr/share/metainfo/${id}Studio.metainfo.xml \
            ./usr/share/icons/hicolor/48x48/apps/${id}Studio.png; do
  grep -qxF "$path" <<<"$files" || fail "package lacks $path"
done
outside=$(grep -v '^\./usr/' <<<"$files" | grep -vx './' || true)
[[ -z $outside ]] || fail "files outside /usr: $outside"
dpkg-deb -x "$deb" "$out/root"
[[ $(file -b "$out/root/usr/bin/zandrel") == *', stripped'* ]] || fail "program not stripped"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, Depends: $depends"

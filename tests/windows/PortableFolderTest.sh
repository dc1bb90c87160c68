#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs the Windows build into a folder, as the ZIP holds it, and checks it: the files a user
# and the licences need; every DLL that a program, a DLL or a plug-in in it imports is in the
# folder or is one of Windows' own (those Wine provides); the copied DLLs are stripped; the
# programs carry their icon and version; and zandrel-gen.exe runs from the folder alone.
#   PortableFolderTest.sh BUILD_DIR VERSION OBJDUMP WINE_RUN
set -euo pipefail
build=$1 version=$2 objdump=$3 wine_run=$4
folder=$(mktemp -d) scratch=$(mktemp -d)
trap 'rm -rf "$folder" "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$folder" --strip >"$scratch/install.log" 2>&1 || { cat "$scratch/install.log"; fail "install"; }
for f in zandrel.exe zandrel-gen.exe zandrel-studio.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
         styles/qwindowsvistastyle.dll imageformats/qgif.dll imageformats/qjpeg.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
         说明.txt licenses/Zandrel/GPL-2.0-or-later.txt licenses/Qt/LGPL-3.0-only.txt licenses/Qt/SOURCE.txt \
         licenses/Qt/build-qt-windows licenses/MinGW-runtime/GPL-3.0.txt; do
  [[ -f $folder/$f ]] || fail "the folder lacks $f"
done
grep -q "apt-get source qt6-base=" "$folder/licenses/Qt/SOURCE.txt" || fail "SOURCE.txt does not say where Qt's source is"
[[ $(head -c 3 "$folder/说明.txt" | od -An -tx1 | tr -d ' ') == efbbbf ]] || fail "说明.txt has no UTF-8 byte order mark"
grep -q $'\r$' "$folder/说明.txt" || fail "说明.txt does not have CR LF line ends"

# Windows' own DLLs, by lower-case name: those Wine provides.
wine_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
[[ -d $wine_dlls ]] || fail "no $wine_dlls (wine64)"
declare -A present
while IFS= read -r -d '' f; do present[$(basename "${f,,}")]=1; done < <(find "$folder" -iname '*.dll' -print0)
checked=0
while IFS= read -r -d '' binary; do
  while read -r dll; do
    name=${dll,,}
    [[ -n ${present[$name]:-} || -e $wine_dlls/$name || $name == api-ms-win-* ]] ||
      fail "$(basename "$binary") imports $dll, which is neither in the folder nor part of Windows"
    checked=$((checked + 1))
  done < <("$objdump" -p "$binary" | sed -n 's/^\s*DLL Name: //p')
  sections=$("$objdump" -h "$binary")
  [[ $sections != *.debug_* ]] || fail "$(basename "$binary") is not stripped"
done < <(find "$folder" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
echo "$checked imports, all in the folder or Windows'"

# The window program has no console; the command-line program has one.
# (grep reads all of objdump's output: with -q it would stop early and fail the pipe.)
for exe in zandrel.exe zandrel-studio.exe; do
  grep 'Subsystem.*(Windows GUI)' <<<"$("$objdump" -p "$folder/$exe")" >/dev/null || fail "$exe is not a GUI program"
done
grep 'Subsystem.*(Windows CUI)' <<<"$("$objdump" -p "$folder/zandrel-gen.exe")" >/dev/null || fail "zandrel-gen.exe is not a console program"

# Icon in every size, and the version resource (its strings are UTF-16).
for exe in zandrel.exe zandrel-gen.exe zandrel-studio.exe; do
  wrestool -x -t14 "$folder/$exe" >"$scratch/icon.ico"
  sizes=$(icotool -l "$scratch/icon.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | xargs)
  [[ $sizes == "16 24 32 48 64 128 256" ]] || fail "$exe icon sizes: '$sizes'"
  strings=$(wrestool -x --raw -t16 "$folder/$exe" | iconv -f UTF-16LE -t UTF-8 -c | tr '\0' '\n')
  for expected in FileVersion "$version" ProductName Zandrel FileDescription LegalCopyright "The Zandrel developers"; do
    grep -qF "$expected" <<<"$strings" || fail "$exe version resource lacks '$expected'"
  done
done

# From the folder alone: no DLL path but the folder's own.
out=$("$wine_run" "$folder/zandrel-gen.exe" --version 2>&1) || fail "zandrel-gen.exe from the folder: $out"
[[ $out == "zandrel-gen $version" ]] || fail "zandrel-gen.exe --version: '$out'"
echo "folder complete: $(find "$folder" -type f | wc -l) files, $(du -sk "$folder" | cut -f1) KiB"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Builds both Windows packages into a temporary folder. The ZIP holds the portable folder. The
# installer, run silently in a fresh Wine prefix, installs the program, its Start-menu
# shortcut and its "Apps and features" entry; the installed zandrel.exe opens its window; and
# the silent uninstaller leaves none of the installed files, the shortcut or the entry behind.
#   WindowsPackagesTest.sh BUILD_DIR VERSION WINE_RUN
set -euo pipefail
build=$1 version=$2 wine_run=$3
out=$(mktemp -d)
xvfb= app=
cleanup() {
  [[ -n $app ]] && kill "$app" 2>/dev/null
  WINEPREFIX=$out/prefix wineserver -k 2>/dev/null || true
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$out"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail cpack; }
zip=$out/zandrel-$version-win64.zip setup=$out/zandrel-$version-win64-setup.exe
[[ -f $zip && -f $setup ]] || fail "cpack made: $(ls "$out")"
top=zandrel-$version-win64
listing=$(unzip -Z1 "$zip")
for f in zandrel.exe zandrel-gen.exe zandrel-studio.exe Qt6Widgets.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll 说明.txt licenses/Qt/SOURCE.txt; do
  grep -qxF "$top/$f" <<<"$listing" || fail "the ZIP lacks $top/$f"
done
echo "ZIP: $(grep -vc '/$' <<<"$listing") files in $top/"

# Everything in the prefix runs with the display: a Wine session begun without one would keep
# the window off it.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 -u "$displayfd" number || fail "Xvfb did not start"
export DISPLAY=:$number
# A copy of the prepared prefix, where a window has already come up once: a new prefix's first
# window can take minutes.
prepared=${ZANDREL_WINE_PREFIX:-$HOME/.cache/zandrel/wine-prefix}
[[ -f $prepared/zandrel-prefix.stamp ]] && cp -a "$prepared" "$out/prefix"
export ZANDREL_WINE_PREFIX=$out/prefix WINEPREFIX=$out/prefix
"$wine_run" "$setup" /S || fail "the installer failed"
wineserver -w
installed=$out/prefix/drive_c/Program\ Files/Zandrel
files=$(cd "$installed" && find . -type f | sort)
(cd "$installed" && find . -type f ! -name uninstall.exe | sort) > "$out/installed.txt"
(cd "$out" && unzip -qo "$zip" && cd "$top" && find . -type f | sort) > "$out/zipped.txt"
diff -u "$out/zipped.txt" "$out/installed.txt" || fail "the installer installs other files than the ZIP holds"
[[ -f $installed/uninstall.exe ]] || fail "no uninstaller"
shortcut=$out/prefix/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Zandrel.lnk
[[ -f $shortcut ]] || fail "no Start-menu shortcut"
studio_shortcut=$out/prefix/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Zandrel\ 代码工坊.lnk
[[ -f $studio_shortcut ]] || fail "no Start-menu shortcut for the code studio"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zandrel'
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName    REG_SZ    Zandrel" "DisplayVersion    REG_SZ    $version" \
             "Publisher    REG_SZ    The Zandrel developers" 'UninstallString    REG_SZ    "C:\Program Files\Zandrel\uninstall.exe"' \
             'DisplayIcon    REG_SZ    C:\Program Files\Zandrel\zandrel.exe,0'; do
  grep -qF "$value" <<<"$entry" || fail "the Apps and features entry lacks '$value': $entry"
done
echo "installed $(wc -l <<<"$files") files, shortcut and entry"

# The installed program, with no DLL path but its own folder, opens its window.
QT_QPA_PLATFORM=windows "$wine_run" "$installed/zandrel.exe" >"$out/zandrel.log" 2>&1 &
app=$!
# Searched again and again rather than with --sync: xdotool gives up on the X error it meets when
# one of the windows Wine makes and drops while starting goes away during the search.
for _ in $(seq 600); do
  xdotool search --onlyvisible --name "^Zandrel - 版本:$version\$" >/dev/null 2>&1 && break
  sleep 0.2
done
xdotool search --onlyvisible --name "^Zandrel - 版本:$version\$" >/dev/null 2>&1 ||
  fail "the installed zandrel.exe showed no window: $(cat "$out/zandrel.log")"
kill "$app"; wait "$app" 2>/dev/null || true; app=
wineserver -k 2>/dev/null || true
wineserver -w
echo "the installed zandrel.exe opened its window"

"$wine_run" "$installed/uninstall.exe" /S || fail "the uninstaller failed"
# The uninstaller runs on from a copy of itself; wait until it is done.
wineserver -w
if [[ -d $installed ]]; then
  left=$(cd "$installed" && find . -type f)
  [[ -z $left ]] || fail "the uninstaller left: $left"
  fail "the uninstaller left the folder"
fi
[[ ! -e $shortcut ]] || fail "the uninstaller left the shortcut"
[[ ! -e $studio_shortcut ]] || fail "the uninstaller left the code studio's shortcut"
if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstaller left the Apps and features entry"; fi
echo "uninstalled: no file, shortcut or entry left"

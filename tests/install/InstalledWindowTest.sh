#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Starts the installed program on a private Xvfb and checks that its window shows, carries the
# icon in every installed size, and has the WM_CLASS the desktop entry's StartupWMClass names.
#   InstalledWindowTest.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
root=$(mktemp -d)
xvfb= app=
cleanup() {
  [[ -n $app ]] && kill "$app" 2>/dev/null
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$root"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

# Xvfb picks a free display and writes its number to the pipe.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 -u "$displayfd" number || fail "Xvfb did not start"
export DISPLAY=:$number
unset QT_QPA_PLATFORM

"$root/usr/bin/zandrel" >"$root/zandrel.log" 2>&1 &
app=$!
class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$id.desktop")
[[ -n $class ]] || fail "desktop entry has no StartupWMClass"
window=$(timeout 20 xdotool search --sync --onlyvisible --class "^$class\$" | head -n 1) \
  || fail "no visible window of class $class; program said: $(cat "$root/zandrel.log")"

wm_class=$(xprop -id "$window" WM_CLASS)
[[ $wm_class == "WM_CLASS(STRING) = \"zandrel\", \"$class\"" ]] || fail "$wm_class"
title=$(xprop -id "$window" _NET_WM_NAME)
[[ $title == *'"Zandrel - 版本:'* ]] || fail "$title"

# _NET_WM_ICON holds width, height and width*height pixels per size.
sizes=$(xprop -len 4000000 -notype -id "$window" 32c _NET_WM_ICON | awk -F'[=,]' '
  NF > 1 { for (i = 2; i + 1 <= NF; i += 2 + $i * $(i + 1)) print $i + 0 }' | sort -n | xargs)
[[ $sizes == "16 24 32 48 64 128 256" ]] || fail "window icon sizes: '$sizes'"
echo "window $window of class $class shows the icon in sizes $sizes"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# zandrel-gen.exe under Wine writes the same bytes as the Linux zandrel-gen, and refuses what
# it refuses with the same exit status.
#   GenSameBytesTest.sh LINUX_GEN GEN_EXE EMULATOR...
set -euo pipefail
linux=$1 exe=$2
shift 2
emulator=("$@")
[[ -x $linux ]] || { echo "FAIL: no Linux zandrel-gen at $linux (make build makes it)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Runs both with the arguments (standard input from the file stdin) and compares status and
# standard output byte for byte.
same() {
  local name=$1
  shift
  local status_linux=0 status_windows=0
  "$linux" "$@" <"$work/stdin" >"$work/linux.out" 2>"$work/linux.err" || status_linux=$?
  "${emulator[@]}" "$exe" "$@" <"$work/stdin" >"$work/windows.out" 2>"$work/windows.err" || status_windows=$?
  if [[ $status_linux != "$status_windows" ]]; then
    echo "FAIL $name: exit status $status_windows, Linux $status_linux ($(cat "$work/windows.err"))"
    failures=$((failures + 1))
  elif ! cmp -s "$work/linux.out" "$work/windows.out"; then
    echo "FAIL $name: output differs ($(stat -c %s "$work/windows.out") bytes, Linux $(stat -c %s "$work/linux.out")): $(cmp "$work/linux.out" "$work/windows.out" | head -n1)"
    failures=$((failures + 1))
  elif [[ -s $work/linux.err && ! -s $work/windows.err ]]; then
    echo "FAIL $name: no message, Linux said: $(cat "$work/linux.err")"
    failures=$((failures + 1))
  else
    echo "ok   $name: status $status_linux, $(stat -c %s "$work/linux.out") bytes"
  fi
}

: >"$work/stdin"
text='设置 时间
返回，测Ａ㈠'
same "library, bin" glyph --library --format bin
for layout in row column page; do
  for order in msb lsb; do
    same "text, $layout $order, bin" glyph --format bin --layout "$layout" --bit-order "$order" "$text"
    same "text, $layout $order, c51" glyph --layout "$layout" --bit-order "$order" --invert "$text"
  done
done
for format in asm struct preview; do
  same "text, $format, GB2312 labels" glyph --format "$format" --encoding gb2312 "$text"
done
same "text, c51, CR LF" glyph --crlf "$text"
printf '测试\r\n' >"$work/stdin"
same "standard input" glyph -
printf '\xb2\xe2\xca\xd4\r\n' >"$work/stdin"
same "GB2312 standard input" glyph --input - --input-encoding gb2312
same "GB2312 read as UTF-8" glyph --input -
: >"$work/stdin"
same "segments" segments
same "segments, cathode, pins, list" segments --common cathode --pins A,B,C,D,E,F,G,DP --format list --crlf
same "timer, interval" timer --crystal 12 --interval 50ms
same "timer, baud, asm" timer --crystal 11.0592 --baud 9600 --format asm
same "display preset, half-width cell" glyph --display ssd1306 --ascii-cell 8x16 "$text"
same "LCD1602 characters, padded left" glyph --display hd44780 --size 12 --ascii-cell 5x8 --clip AB
same "past 64 KB: warned" glyph --library --size 24
same "timer, 1T core, init" timer --crystal 11.0592 --core stc15 --baud 115200 --format init
same "timer, baud table" timer --crystal 22.1184 --baud-table
same "delay, 1T, asm" delay --crystal 12 --core stc12 --time 10ms --format asm
same "installed family" glyph --font "WenQuanYi Micro Hei" --size 20 温度
"$linux" glyph --layout page --format asm 温度 >"$work/stdin"
same "decode, asm by pages" decode --layout page
same "decode, PBM" decode --layout page --format pbm -
same "refused: ASCII in glyph text" glyph '测A'
same "refused: segment" segments --chars 12X
same "refused: interval" timer --crystal 12 --interval 100ms
same "usage: no command"
same "usage: unknown option" glyph --colour 测

[[ $failures -eq 0 ]] || { echo "$failures differences"; exit 1; }

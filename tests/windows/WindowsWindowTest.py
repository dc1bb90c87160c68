#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""Starts zandrel.exe or zandrel-studio.exe under Wine with Qt's real windows platform on a
private Xvfb, finds the window by its title and checks that its tab captions are drawn in
Chinese.

A character missing from every font is drawn as the same empty box, so a caption drawn that
way is a row of identical shapes. The check cuts the tab row into the shapes between blank
columns and counts them: the main window's captions have 26 characters, none of which is
drawn more than three times ("字"), so many shapes that are mostly different mean the text was
drawn.

    WindowsWindowTest.py EXE EMULATOR...
"""
import collections
import os
import subprocess
import sys
import tempfile
import time

# Each program's caption; the characters of its tab captions, and how often the commonest one
# appears; and the least size of its window.
PROGRAMS = {
    # 二制显示 数码管字形码生成 汉字字模生成 指令速查 软件说明: "字" three times
    "zandrel.exe": ("Zandrel - 版本:0.93", 26, 3, (604, 294)),
    # 字模 图片 段码表 定时器 延时 字模还原: "字", "模" and "时" twice
    "zandrel-studio.exe": ("Zandrel 代码工坊 - 版本:0.93", 16, 2, (640, 400)),
}


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=[write_end],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        fail("Xvfb did not start")
    return xvfb, ":" + number


def find_window(env, program, title, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"],
                               env=env, capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        if program.poll() is not None:
            fail("the program ended (status %d) before showing its window" % program.returncode)
        time.sleep(0.2)
    fail("no window titled '%s' within %d s" % (title, seconds))


def screenshot(env, window):
    """The window's pixels as (width, height, rows of grey values)."""
    # One byte a pixel: ImageMagick writes 16-bit grey unless told.
    data = subprocess.run(["import", "-window", window, "-depth", "8", "pgm:-"], env=env, capture_output=True,
                          check=True).stdout
    fields = []
    offset = 0
    while len(fields) < 4:  # P5, width, height, maximum, separated by white space
        while data[offset:offset + 1].isspace():
            offset += 1
        start = offset
        while not data[offset:offset + 1].isspace():
            offset += 1
        fields.append(data[start:offset])
    offset += 1
    if fields[0] != b"P5" or fields[3] != b"255":
        fail("the screenshot is not 8-bit grey: %r" % fields)
    width, height = int(fields[1]), int(fields[2])
    pixels = data[offset:offset + width * height]
    return width, height, [pixels[y * width:(y + 1) * width] for y in range(height)]


def caption_shapes(width, rows):
    """The shapes of the tab row: runs of columns with dark pixels, as bitmaps."""
    # The tab row is the top of the client area: its text, antialiased grey to black on the face
    # colour, lies in rows 4 to 16, inside the current tab's dotted focus frame.
    band = rows[4:17]
    dark = [[value < 180 for value in row] for row in band]
    inked = [any(row[x] for row in dark) for x in range(width)]
    shapes = []
    x = 0
    while x < width:
        if not inked[x]:
            x += 1
            continue
        start = x
        while x < width and inked[x]:
            x += 1
        bitmap = tuple(tuple(row[start:x]) for row in dark)
        # Tab edges and the focus frame's sides are a pixel or two wide.
        if x - start > 2:
            shapes.append(bitmap)
    return shapes


def main():
    if len(sys.argv) < 3:
        fail("usage: WindowsWindowTest.py EXE EMULATOR...")
    exe, emulator = sys.argv[1], sys.argv[2:]
    title, characters, most_repeats, least_size = PROGRAMS[os.path.basename(exe).lower()]
    xvfb, display = start_xvfb()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="windows")
    # A Wine session started without a display (by an offscreen test) would keep this window
    # off the screen too: wait until the prefix's server has ended, so that ours has the display.
    env.setdefault("WINEPREFIX", os.environ.get("ZANDREL_WINE_PREFIX",
                                                os.path.expanduser("~/.cache/zandrel/wine-prefix")))
    subprocess.run(["wineserver", "-w"], env=env, check=False)
    with tempfile.TemporaryFile() as log:
        program = subprocess.Popen(emulator + [exe], env=env, stdout=log, stderr=log)
        try:
            window = find_window(env, program, title, 120)
            time.sleep(2)  # let it paint
            width, height, rows = screenshot(env, window)
            if os.environ.get("ZANDREL_SCREENSHOT"):
                subprocess.run(["import", "-window", window, os.environ["ZANDREL_SCREENSHOT"]], env=env, check=True)
        finally:
            program.terminate()
            try:
                program.wait(10)
            except subprocess.TimeoutExpired:
                program.kill()
            xvfb.terminate()
            xvfb.wait()
            log.seek(0)
            said = log.read().decode(errors="replace").strip()
    if width < least_size[0] or height < least_size[1]:
        fail("window is %dx%d, smaller than %dx%d" % (width, height, *least_size))
    shapes = caption_shapes(width, rows)
    counts = collections.Counter(shapes)
    most = counts.most_common(1)[0][1] if counts else 0
    print("window %dx%d; tab row: %d shapes, %d different, the commonest %d times" %
          (width, height, len(shapes), len(counts), most))
    if len(shapes) < characters * 3 // 4:
        fail("the tab row shows %d shapes for %d characters%s" %
             (len(shapes), characters, "; the program said: " + said if said else ""))
    if most > most_repeats + 1:
        fail("one shape is drawn %d times in the tab row: empty boxes instead of characters" % most)


if __name__ == "__main__":
    main()

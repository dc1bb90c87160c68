#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""Reads zandrel-studio the way a screen reader does, through AT-SPI, and walks each page with
the Tab key alone.

    StudioAccessibilityTest.py PROGRAM   exit status 1 on a failure

The same set-up as AccessibilityTest.py (whose helpers it uses): its own Xvfb, a private D-Bus
session with the accessibility bus, and PROGRAM with Qt's AT-SPI bridge switched on.
"""

import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from AccessibilityTest import (children, controls_of, press, role, role_name, roles,  # noqa: E402
                               start_xvfb, wait_for)

SELF = os.path.abspath(__file__)
TITLE = "Zandrel 代码工坊"
PAGES = ["字模", "图片", "段码表", "定时器", "延时", "字模还原"]


def start_session(program):
    xvfb, display = start_xvfb()
    try:
        env = dict(os.environ, DISPLAY=":" + display, ZANDREL_A11Y_SESSION="1",
                   XDG_CONFIG_HOME=os.path.join("/tmp", "zandrel-studio-a11y-%d" % os.getpid()))
        env.pop("QT_QPA_PLATFORM", None)
        return subprocess.call(["dbus-run-session", "--", sys.executable, SELF, program],
                               env=env, timeout=170)
    finally:
        xvfb.terminate()
        xvfb.wait()


def first(node, wanted):
    for child in children(node):
        if child is None:
            continue
        if role(child) in wanted:
            return child
        hit = first(child, wanted)
        if hit is not None:
            return hit
    return None


def run_in_session(program):
    import pyatspi

    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = None
    try:
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   QT_ACCESSIBILITY="1")
        app = subprocess.Popen([program], env=env)
        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            if app.poll() is not None:
                raise AssertionError("the program ended with status %d" % app.returncode)
            return next((c for c in children(desktop) if c is not None and c.name == TITLE), None)

        studio = wait_for("the program on the accessibility bus", application, 30)
        window = wait_for("the window", lambda: next(
            (w for w in children(studio) if w is not None and w.name.startswith(TITLE + " - ")),
            None))
        subprocess.check_call(["xdotool", "search", "--sync", "--name", "^" + TITLE + " - ",
                               "windowfocus", "--sync"], stdout=subprocess.DEVNULL)
        tabs = wait_for("the page tabs", lambda: first(window, roles("PAGE_TAB_LIST")))
        tab_list = [t for t in children(tabs) if t is not None and role(t) in roles("PAGE_TAB")]
        pages = children(first(window, roles("LAYERED_PANE")))

        failures = []
        if [t.name for t in tab_list] != PAGES:
            failures.append("tabs %s" % [t.name for t in tab_list])
        for index, tab in enumerate(tab_list):
            press(tab)
            wait_for("page %s to show" % tab.name,
                     lambda: pages[index].getState().contains(pyatspi.STATE_SHOWING))
            controls = controls_of(pages[index])
            unnamed = [role_name(c) for c in controls if not c.name]
            if unnamed:
                failures.append("%s: unnamed %s" % (tab.name, unnamed))
            for control in controls:
                if role(control) in roles("UNKNOWN", "INVALID", "FILLER", "PANEL"):
                    failures.append("%s: %r has no useful role" % (tab.name, control.name))

            # From the keyboard alone: Tab reaches every control that takes the focus.
            def focusable(control):
                state = control.getState()
                return all(state.contains(s) for s in (
                    pyatspi.STATE_FOCUSABLE, pyatspi.STATE_ENABLED, pyatspi.STATE_SHOWING))

            wanted = {c.name for c in controls if focusable(c)}
            reached = set()
            for _ in range(2 * len(controls) + 4):
                subprocess.check_call(["xdotool", "key", "Tab"])
                focused = [c.name for c in controls if c.getState().contains(pyatspi.STATE_FOCUSED)]
                reached.update(focused)
                if wanted <= reached:
                    break
            missed = sorted(wanted - reached)
            if missed:
                failures.append("%s: Tab never reaches %s" % (tab.name, missed))
            print("page %s: %d controls, %d reached by Tab" % (tab.name, len(controls),
                                                                len(wanted & reached)))

        for failure in failures:
            print("FAIL:", failure)
        return 1 if failures else 0
    finally:
        if app is not None:
            app.terminate()
            app.wait()
        bus.terminate()
        bus.wait()


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    program = os.path.abspath(sys.argv[1])
    if os.environ.get("ZANDREL_A11Y_SESSION"):
        sys.exit(run_in_session(program))
    for tool in ("Xvfb", "dbus-run-session", "xdotool"):
        if shutil.which(tool) is None:
            raise SystemExit("StudioAccessibilityTest: %s is missing; run scripts/install-deps" % tool)
    sys.exit(start_session(program))


if __name__ == "__main__":
    main()

#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""Reads the running window the way a screen reader does, through AT-SPI.

    AccessibilityTest.py PROGRAM            the checks; exit status 1 on a failure
    AccessibilityTest.py --survey PROGRAM   only counts named and unnamed controls per page

Starts its own Xvfb, a private D-Bus session with the accessibility bus (at-spi2-core), and
PROGRAM with Qt's AT-SPI bridge switched on, then reads it with pyatspi.
"""

import os
import shutil
import socket
import subprocess
import sys
import time

SELF = os.path.abspath(__file__)

# What a user can act on or read as a control, by role name as pyatspi spells its constants
# (ROLE_PUSH_BUTTON, ...). Roles are compared as numbers: at-spi2-core renames some of them
# between releases ("push button" is "button" in Debian 13). Not counted: scroll bars (a screen
# reader names them by their orientation), and what lies inside a table (its cells and titles).
INTERACTIVE_ROLES = (
    "PUSH_BUTTON", "TOGGLE_BUTTON", "CHECK_BOX", "RADIO_BUTTON", "TEXT", "ENTRY",
    "TABLE", "TREE_TABLE", "LINK", "COMBO_BOX", "SPIN_BUTTON", "SLIDER", "IMAGE", "LIST",
)


def wait_for(what, probe, timeout=15.0):
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


def free_display():
    """A display number no X server uses, here or in another mount namespace (their abstract
    sockets are shared with ours, and X clients try those first)."""
    for number in range(100 + os.getpid() % 200, 400):
        if os.path.exists("/tmp/.X%d-lock" % number):
            continue
        probe = socket.socket(socket.AF_UNIX)
        try:
            probe.bind("\0/tmp/.X11-unix/X%d" % number)
        except OSError:
            continue
        finally:
            probe.close()
        return str(number)
    raise SystemExit("AccessibilityTest: no free X display")


def start_xvfb():
    """An Xvfb that accepts connections; returns it and its display number."""
    for _ in range(5):
        display = free_display()
        xvfb = subprocess.Popen(
            ["Xvfb", ":" + display, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        probe = socket.socket(socket.AF_UNIX)
        try:
            wait_for("Xvfb", lambda: xvfb.poll() is not None
                     or probe.connect_ex("\0/tmp/.X11-unix/X" + display) == 0, 10)
        finally:
            probe.close()
        if xvfb.poll() is None:
            return xvfb, display
        xvfb.wait()
    raise SystemExit("AccessibilityTest: Xvfb did not start")


def start_session(program, survey):
    """Outside the session: Xvfb, then this script again under dbus-run-session."""
    xvfb, display = start_xvfb()
    try:
        env = dict(os.environ, DISPLAY=":" + display, ZANDREL_A11Y_SESSION="1")
        env.pop("QT_QPA_PLATFORM", None)
        args = ["dbus-run-session", "--", sys.executable, SELF]
        args += ["--survey"] if survey else []
        return subprocess.call(args + [program], env=env, timeout=120)
    finally:
        xvfb.terminate()
        xvfb.wait()


def roles(*names):
    import pyatspi
    return {getattr(pyatspi, "ROLE_" + name) for name in names}


def role(node):
    return node.getRole()


def role_name(node):
    return node.getRoleName()


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def controls_of(page):
    """The controls on a page, in tree order."""
    found = []

    def walk(node):
        for child in children(node):
            if child is None:
                continue
            if role(child) in roles(*INTERACTIVE_ROLES):
                found.append(child)
            if role(child) not in roles("TABLE", "TREE_TABLE", "SCROLL_BAR"):
                walk(child)

    walk(page)
    return found


def find(nodes, name, wanted=None):
    for node in nodes:
        if node.name == name and (wanted is None or role(node) in wanted):
            return node
    raise AssertionError("no control named %r" % name)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def press(node, action_name="Press"):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    assert action_name in names, "%s %r offers %s" % (role_name(node), node.name, names)
    action.doAction(names.index(action_name))


def run_in_session(program, survey):
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
            for child in children(desktop):
                if child is not None and child.name == "Zandrel":
                    return child
            return None

        zandrel = wait_for("the program on the accessibility bus", application, 30)
        window = wait_for("the main window", lambda: next(
            (w for w in children(zandrel) if w is not None and w.name.startswith("Zandrel - ")),
            None))

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

        # No window manager here: give the window the keyboard focus as one would.
        subprocess.check_call(["xdotool", "search", "--sync", "--name", "^Zandrel - ",
                               "windowfocus", "--sync"], stdout=subprocess.DEVNULL)
        tabs = wait_for("the page tabs", lambda: first(window, roles("PAGE_TAB_LIST")))
        tab_list = [t for t in children(tabs) if t is not None and role(t) in roles("PAGE_TAB")]
        stack = first(window, roles("LAYERED_PANE"))
        pages = children(stack)
        assert len(tab_list) == 5 and len(pages) == 5, (len(tab_list), len(pages))

        failures = []
        named_total = unnamed_total = 0
        page_controls = []
        for index, tab in enumerate(tab_list):
            press(tab)
            wait_for("page %d to show" % (index + 1),
                     lambda: pages[index].getState().contains(pyatspi.STATE_SHOWING))
            controls = controls_of(pages[index])
            page_controls.append(controls)
            names = [c.name for c in controls]
            named = [n for n in names if n]
            unnamed = [role_name(c) for c in controls if not c.name]
            named_total += len(named)
            unnamed_total += len(unnamed)
            print("page %d %r: %d controls, %d named, %d unnamed %s" % (
                index + 1, tab.name, len(controls), len(named), len(unnamed), unnamed or ""))
            for control in controls:
                print("    %-14s %s" % (role_name(control), control.name or "(no name)"))
            if unnamed:
                failures.append("page %d: unnamed %s" % (index + 1, unnamed))
            shared = sorted({n for n in named if names.count(n) > 1})
            if shared:
                failures.append("page %d: names used twice %s" % (index + 1, shared))
            for control in controls:
                if role(control) in roles("UNKNOWN", "INVALID", "FILLER", "PANEL"):
                    failures.append("page %d: %r has no useful role" % (index + 1, control.name))
        named_total += len(tab_list)
        print("in all: %d named, %d unnamed (the five page tabs included)" % (
            named_total, unnamed_total))
        if survey:
            return 0

        for preview in ("字模大图", "字模小图"):
            if not find(page_controls[2], preview).description:
                failures.append("%s has no description" % preview)
        links = [c for c in page_controls[4] if role(c) in roles("LINK")]
        if len(links) != 1 or links[0].name not in links[0].description:
            failures.append("the about page has no link that carries its address: %s" % [
                (role_name(c), c.name, c.description) for c in page_controls[4]])

        # Every segment says whether it is lit, as a check box or toggle button does. Segment A
        # pressed through its action, common anode: 11111110, FEH; pressed again, unlit.
        press(tab_list[1])
        segments = page_controls[1]
        for name in ["段" + letter for letter in "ABCDEFG"] + ["小数点"]:
            segment = find(segments, name)
            if role(segment) not in roles("CHECK_BOX", "TOGGLE_BUTTON"):
                failures.append("%s is a %s, which does not say whether it is lit" % (
                    name, role_name(segment)))
        segment_a = find(segments, "段A")
        if segment_a.getState().contains(pyatspi.STATE_CHECKED):
            failures.append("segment A is checked before it is lit")
        press(segment_a)
        binary = find(segments, "二进制：", roles("TEXT", "ENTRY"))
        hexadecimal = find(segments, "16进制：", roles("TEXT", "ENTRY"))
        try:
            wait_for("the segment code", lambda: text_of(binary) == "11111110", 5)
        except AssertionError:
            failures.append("after pressing 段A the binary edit reads %r" % text_of(binary))
        if text_of(hexadecimal) != "FEH":
            failures.append("after pressing 段A the hex edit reads %r" % text_of(hexadecimal))
        try:
            wait_for("segment A to be checked",
                     lambda: segment_a.getState().contains(pyatspi.STATE_CHECKED), 5)
        except AssertionError:
            failures.append("segment A is lit but not checked")
        press(segment_a)
        try:
            wait_for("segment A to be unchecked",
                     lambda: not segment_a.getState().contains(pyatspi.STATE_CHECKED), 5)
        except AssertionError:
            failures.append("segment A is unlit but still checked")
        if text_of(hexadecimal) != "FFH":
            failures.append("after pressing 段A again the hex edit reads %r" % text_of(hexadecimal))

        # Keys in the grid move the row AT-SPI reports as selected.
        press(tab_list[3])
        grid = find(page_controls[3], "指令表", roles("TABLE"))
        table = grid.queryTable()

        def selected_rows():
            return list(table.getSelectedRows())

        if selected_rows() != [0]:
            failures.append("the grid starts with rows %s selected" % selected_rows())
        # The page puts the focus in the query box; the grid comes before it.
        subprocess.check_call(["xdotool", "key", "shift+Tab"])
        wait_for("the grid to take the focus",
                 lambda: grid.getState().contains(pyatspi.STATE_FOCUSED), 5)
        subprocess.check_call(["xdotool", "key", "--delay", "50", "Down", "Down", "End", "Up"])
        try:
            wait_for("the selected row to move", lambda: selected_rows() == [128], 5)
        except AssertionError:
            failures.append("after Down Down End Up the grid reports rows %s" % selected_rows())

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
    args = sys.argv[1:]
    survey = "--survey" in args
    args = [a for a in args if a != "--survey"]
    if len(args) != 1:
        raise SystemExit(__doc__)
    program = os.path.abspath(args[0])
    if os.environ.get("ZANDREL_A11Y_SESSION"):
        sys.exit(run_in_session(program, survey))
    for tool in ("Xvfb", "dbus-run-session", "xdotool"):
        if shutil.which(tool) is None:
            raise SystemExit("AccessibilityTest: %s is missing; run scripts/install-deps" % tool)
    sys.exit(start_session(program, survey))


if __name__ == "__main__":
    main()

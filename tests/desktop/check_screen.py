#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the real window stands whole on a screen of a given size, under a real
window manager: its frame inside the work area, and the buttons a pupil needs on screen,
with the wallet open too.

Run by run.sh on an Xvfb display with openbox and a private session bus. The window's
place and frame come from the X server (xwininfo, xprop), the controls' places from the
accessibility tree. The controls are driven through the accessibility bus as well, so
that nothing but the program moves the window.
"""

import argparse
import os
import re
import subprocess
import time
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                "screen_reader"))
import check_tree  # noqa: E402  (the screen-reader test's AT-SPI helpers)
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402
from check_tree import Failure  # noqa: E402

TITLE = "Quorvel v.2 (Zenbo)"
DESIGNED = (922, 842)


def x_output(*command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


def work_area():
    """The root window's work area: x, y, width, height, once the window manager has
    published it."""
    end = time.monotonic() + 10
    while True:
        said = x_output("xprop", "-root", "_NET_WORKAREA")
        values = re.findall(r"\d+", said.split("=", 1)[1]) if "=" in said else []
        if len(values) >= 4:
            return tuple(int(v) for v in values[:4])
        if time.monotonic() > end:
            raise Failure(f"the window manager published no work area: {said.strip()}")
        time.sleep(0.1)


def window_on_screen(wait=5.0):
    """The window's place and frame, once the window manager has framed it."""
    end = time.monotonic() + wait
    while True:
        try:
            return window_as_shown()
        except Failure:
            if time.monotonic() > end:
                raise
            time.sleep(0.1)


def shown_windows():
    """The program's windows shown on the X server: (id, (x, y, width, height)) of each
    client area, the main window's first."""
    found = []
    for line in x_output("xwininfo", "-root", "-tree").splitlines():
        if f'"{TITLE}"' not in line:
            continue
        window_id = line.split()[0]
        info = x_output("xwininfo", "-id", window_id)
        if "IsViewable" not in info:
            continue

        def field(label):
            return int(re.search(rf"{label}:\s+(-?\d+)", info).group(1))

        found.append((window_id, (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                                  field("Width"), field("Height"))))
    return found


def window_as_shown():
    """The client area (x, y, width, height) and the frame extents (left, right, top,
    bottom) of the program's window on screen, as the X server has them."""
    windows = shown_windows()
    if not windows:
        raise Failure("no window with the program's title is shown on the X server")
    window_id, client = windows[0]
    extents = x_output("xprop", "-id", window_id, "_NET_FRAME_EXTENTS")
    numbers = re.findall(r"\d+", extents.split("=", 1)[1]) if "=" in extents else []
    if len(numbers) != 4:
        raise Failure(f"the window manager gave the window no frame: {extents.strip()}")
    return client, tuple(int(n) for n in numbers)


def inside(rect, area):
    x, y, w, h = rect
    ax, ay, aw, ah = area
    return x >= ax and y >= ay and x + w <= ax + aw and y + h <= ay + ah


class Checks:
    def __init__(self, title):
        self.title = title
        self.failed = []

    def expect(self, ok, what):
        print(f"  {'ok  ' if ok else 'FAIL'} {what}")
        if not ok:
            self.failed.append(what)


def control_on_screen(program, name, client, checks, screen):
    """The control's place on the screen, as the accessibility tree gives it."""
    node = program.node(name)
    end = time.monotonic() + check_tree.EXPECT_WAIT
    while "showing" not in check_tree.states_of(node):
        if time.monotonic() > end:
            raise Failure(f"{name} is not showing")
        check_tree.pump(0.05)
    own = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    rect = (own.x, own.y, own.width, own.height)
    checks.expect(inside(rect, screen), f"{name} on screen at {rect}")


# The controls a click acts on: the object a screen reader finds at their centre is
# themselves.
CLICKED = {"EditBox", "MouseButton", "QPushButton", "QCheckBox"}


def same(a, b):
    return a is not None and b is not None and a.path == b.path


def controls_where_they_are(program, tree_map, client, checks):
    """Every control showing: its extents on the bus are its rectangle on screen (the
    window's client area and the control's place in the window, scaled alike), within a
    pixel; at the centre of a control a click acts on, the bus finds that control."""
    scale = client[2] / DESIGNED[0]
    window = program.window.queryComponent()
    wrong, missed, shown, clicked = [], [], 0, 0
    for row in tree_map.rows:
        # Qt's own parts of a control (a scroll area's viewport) are laid out only once it
        # is shown, after the map was made.
        if not row["name"] or row["name"].startswith("qt_") or row["at"] is None or \
                not row["path"]:
            continue
        try:
            node = program.at(row)
            if "showing" not in check_tree.states_of(node):
                continue
            own = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        except (Failure, GLib.Error, NotImplementedError):
            continue
        shown += 1
        x, y, w, h = row["at"]
        expected = (client[0] + x * scale, client[1] + y * scale, w * scale, h * scale)
        said = (own.x, own.y, own.width, own.height)
        edges = (said[0] - expected[0], said[1] - expected[1],
                 said[0] + said[2] - expected[0] - expected[2],
                 said[1] + said[3] - expected[1] - expected[3])
        if any(abs(e) > 1.0 for e in edges):
            wrong.append(f"{row['name']} {said} for {tuple(round(v) for v in expected)}")
        if row["cls"] in CLICKED and w > 0 and h > 0:
            clicked += 1
            centre = (own.x + own.width // 2, own.y + own.height // 2)
            found = window.getAccessibleAtPoint(centre[0], centre[1], pyatspi.DESKTOP_COORDS)
            if not same(found, node):
                missed.append(f"{row['name']}: {found.name if found else None!r}")
    checks.expect(shown > 30 and not wrong,
                  f"{shown} controls showing, each where it is on screen"
                  + (f"; not: {', '.join(wrong[:6])}" if wrong else ""))
    checks.expect(clicked > 5 and not missed,
                  f"at the centre of {clicked} controls a click acts on, the bus finds each"
                  + (f"; not: {', '.join(missed[:6])}" if missed else ""))


def message_windows(main_client):
    """The program's windows other than the main one, shown: (id, x, y, width, height)."""
    return [(int(window_id, 16),) + place for window_id, place in shown_windows()
            if place != tuple(main_client)]


def wait_for(test, what, wait=5.0):
    end = time.monotonic() + wait
    while True:
        result = test()
        if result:
            return result
        if time.monotonic() > end:
            raise Failure(f"{what} did not happen within {wait:.0f} s")
        check_tree.pump(0.1)


def focused_in(node, depth=0):
    """The objects with the keyboard focus under `node` (a view that shows a scaled window
    has it, as does the control in it)."""
    found = [node] if "focused" in check_tree.states_of(node) else []
    if depth <= 6:
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                found += focused_in(child, depth + 1)
    return found


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "100", *names], check=True)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def message_by_keys(program, client, checks):
    """A pupil who works by keys types a letter into the sum and checks: the message that
    the row cannot be read is a window of its own on top, with the keyboard on OK, and
    Return, Space and Escape each close it; a click and a key meant for the window
    behind it change nothing; once it is closed the first F2 on the right sum judges it."""
    units, komma = program.node("Tot1"), program.node("Komma")
    keys("ctrl+a", "a")
    wait_for(lambda: text_of(units) == "a", "the letter in the units box")
    app = program.window.parent
    for close in ("Return", "space", "Escape"):
        keys("F2")
        message = wait_for(lambda: message_windows(client), "a message window")[0]
        active = int(x_output("xdotool", "getactivewindow").strip())
        checks.expect(active == message[0],
                      f"{close}: the message is a window of its own, active, at {message[1:]}")
        focus = []
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and not same(window, program.window):
                focus += focused_in(window)
        checks.expect(any(f.name == "OK" and "button" in f.getRoleName() for f in focus),
                      f"{close}: the keyboard is on its OK "
                      f"({', '.join(f'{f.getRoleName()} {f.name!r}' for f in focus)})")
        # A click on Komma and a digit, meant for the window behind the message.
        at = komma.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(at.x + at.width // 2),
                        str(at.y + at.height // 2), "click", "1"], check=True)
        keys("7")
        check_tree.pump(0.5)
        checks.expect("checked" not in check_tree.states_of(komma) and text_of(units) == "a",
                      f"{close}: the click on Komma and the 7 changed nothing behind it")
        keys(close)
        wait_for(lambda: not message_windows(client), f"the message closed by {close}")
    # The row put right, units first; one press of F2.
    total = 0
    for r in range(1, 13):
        node = program.node(f"Prijs{r}")
        if "showing" in check_tree.states_of(node):
            total += int(node.name.replace(".", ""))
    keys("F7", *reversed(str(total)), "F2")
    said = program.node("Aankondiging")
    try:
        wait_for(lambda: said.name == "Som goed.", "the judgement", check_tree.EXPECT_WAIT)
    except Failure:
        pass
    checks.expect(said.name == "Som goed.",
                  f"the first F2 after the message judges {total}: {said.name!r}")


# The screens the message is tried on: shown scaled, and as it is.
MESSAGE_SCREENS = {("1024x600", 0), ("1366x768", 0), ("1280x1024", 0)}


def press(program, name, action):
    node = program.node(name)
    names = check_tree.actions_of(node)
    if not node.queryAction().doAction(names.index(action)):
        raise Failure(f"{action} on {name} failed")
    check_tree.pump(0.1)


def start_program(args, tree_map):
    """The program with its window on the bus. Now and then, with other tests busy, a new
    client fails to reach an Xvfb that answers others (openbox has the same); the
    program then says it has no display, and gets one more try."""
    log = os.path.join(args.log_dir, "program.log")
    try:
        return check_tree.Program(args.program, tree_map, log)
    except Failure as e:
        if "ended at start (exit 1)" not in str(e):
            raise
        print(f"  note {e}; starting it again")
        return check_tree.Program(args.program, tree_map, log)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--map", required=True)
    parser.add_argument("--log-dir", required=True)
    parser.add_argument("--screen", required=True, help="WIDTHxHEIGHT")
    parser.add_argument("--panel", type=int, default=0, help="height of a panel at the top")
    args = parser.parse_args()
    width, height = (int(v) for v in args.screen.split("x"))
    screen = (0, 0, width, height)
    title = f"{args.screen}" + (f" with a {args.panel} px panel" if args.panel else "")
    print(title)
    checks = Checks(title)
    program = None
    try:
        tree_map = check_tree.TreeMap(args.map)
        check_tree.start_atspi_bus()
        program = start_program(args, tree_map)
        area = work_area()
        checks.expect(area == (0, args.panel, width, height - args.panel),
                      f"the window manager's work area is {area}")
        client, (left, right, top, bottom) = window_on_screen()
        frame = (client[0] - left, client[1] - top, client[2] + left + right,
                 client[3] + top + bottom)
        checks.expect(inside(frame, area), f"the frame {frame} lies inside the work area")
        fits = DESIGNED[0] + left + right <= area[2] and DESIGNED[1] + top + bottom <= area[3]
        if fits:
            checks.expect(client[2:] == DESIGNED, f"the window is unscaled: {client[2:]}")
            gaps = (frame[0] - area[0], area[0] + area[2] - frame[0] - frame[2],
                    frame[1] - area[1], area[1] + area[3] - frame[1] - frame[3])
            checks.expect(abs(gaps[0] - gaps[1]) <= 2 and abs(gaps[2] - gaps[3]) <= 40,
                          f"the frame is centred: gaps left, right, top, bottom {gaps}")
        else:
            ratio = (client[2] / DESIGNED[0], client[3] / DESIGNED[1])
            checks.expect(ratio[0] < 1 and abs(ratio[0] - ratio[1]) < 0.01,
                          f"the window is scaled down uniformly: {ratio[0]:.3f} x {ratio[1]:.3f}")
        window = program.window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        checks.expect(abs(window.x - client[0]) <= 1 and abs(window.y - client[1]) <= 1 and
                      abs(window.width - client[2]) <= 1 and abs(window.height - client[3]) <= 1,
                      f"the accessibility tree places the window at "
                      f"{window.x, window.y, window.width, window.height}")
        controls_where_they_are(program, tree_map, client, checks)
        if (args.screen, args.panel) in MESSAGE_SCREENS:
            message_by_keys(program, client, checks)
        # VOLGENDE OEFENING shows once an answer has been checked.
        press(program, "Kontroleer", "Press")
        for name in ("Kontroleer", "VolgendeOefening", "Help"):
            control_on_screen(program, name, client, checks, screen)
        # A receipt paid from the wallet: the wallet covers the window.
        press(program, "Kasticket", "Toggle")
        press(program, "Geldbeugel", "Toggle")
        control_on_screen(program, "Geld", client, checks, screen)
        press(program, "Geld", "Press")
        for name in ("PortemonneeReset", "GroupBox1", "PortemonneeSluiten"):
            control_on_screen(program, name, client, checks, screen)
    except (Failure, subprocess.CalledProcessError, GLib.Error) as e:
        checks.expect(False, f"setting up: {e}")
    finally:
        if program is not None:
            program.stop()
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())

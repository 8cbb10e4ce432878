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


def window_as_shown():
    """The client area (x, y, width, height) and the frame extents (left, right, top,
    bottom) of the program's window on screen, as the X server has them."""
    tree = x_output("xwininfo", "-root", "-tree")
    for line in tree.splitlines():
        if f'"{TITLE}"' not in line:
            continue
        window_id = line.split()[0]
        info = x_output("xwininfo", "-id", window_id)
        if "IsViewable" not in info:
            continue

        def field(label):
            return int(re.search(rf"{label}:\s+(-?\d+)", info).group(1))

        client = (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                  field("Width"), field("Height"))
        extents = x_output("xprop", "-id", window_id, "_NET_FRAME_EXTENTS")
        numbers = re.findall(r"\d+", extents.split("=", 1)[1]) if "=" in extents else []
        if len(numbers) != 4:
            raise Failure(f"the window manager gave the window no frame: {extents.strip()}")
        return client, tuple(int(n) for n in numbers)
    raise Failure("no window with the program's title is shown on the X server")


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
    """The control's place on the screen. A window shown scaled down gives its controls'
    places on the screen, but their sizes in its own pixels."""
    node = program.node(name)
    end = time.monotonic() + check_tree.EXPECT_WAIT
    while "showing" not in check_tree.states_of(node):
        if time.monotonic() > end:
            raise Failure(f"{name} is not showing")
        check_tree.pump(0.05)
    own = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    scale = client[2] / DESIGNED[0]
    rect = (own.x, own.y, round(own.width * scale), round(own.height * scale))
    checks.expect(inside(rect, screen), f"{name} on screen at {rect}")


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
        checks.expect(abs(window.x - client[0]) <= 1 and abs(window.y - client[1]) <= 1,
                      f"the accessibility tree places the window at {window.x, window.y}")
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

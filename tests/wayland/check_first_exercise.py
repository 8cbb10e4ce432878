#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the real program, on a Wayland compositor that never gives it the keyboard,
shows a drawn first exercise. Run by run.sh inside a private session bus, with a headless
Weston. The exercise is read through the accessibility bus, which activates nothing.
"""

import argparse
import os
import re
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                "screen_reader"))
import check_tree  # noqa: E402  (the screen-reader test's AT-SPI helpers)
from check_tree import Failure  # noqa: E402

def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--map", required=True)
    parser.add_argument("--log", required=True)
    args = parser.parse_args()
    tree_map = check_tree.TreeMap(args.map)
    check_tree.start_atspi_bus()
    program = check_tree.Program(args.program, tree_map, args.log, platform="wayland",
                                 active=False)
    try:
        expected = {"Reeksteller": re.compile(r"^1$"), "Prijs11": re.compile(r"^\d{1,3}$"),
                    "Prijs12": re.compile(r"^\d{1,3}$"), "Label8": re.compile(r"^1$")}
        end = time.monotonic() + 5
        while True:
            names = {name: program.node(name).name for name in expected}
            if all(pattern.match(names[name] or "") for name, pattern in expected.items()):
                break
            if time.monotonic() > end:
                print(f"FAIL no first exercise on screen: {names}")
                return 1
            check_tree.pump(0.1)
        states = check_tree.states_of(program.window)
        if "active" in states:
            print("FAIL the compositor activated the window; the test proves nothing")
            return 1
        print(f"ok   the first exercise is drawn without activation: {names}")
        return 0
    finally:
        program.stop()


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as e:
        print(f"FAIL {e}")
        sys.exit(1)

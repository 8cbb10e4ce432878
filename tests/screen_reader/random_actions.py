#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Random actions on the real program from outside, as any screen reader or AT-SPI client
can send them, with the window's rules read back over the bus after every one.

Run by run.sh inside a private session bus on an Xvfb display:

    run.sh <quorvel> <quorvel-a11y-map> random_actions.py

It first sets a mode of the seed's by keys (receipt, wallet, decimals, helps), then plays
actions drawn from the seed: Action.DoAction (every action name the object offers),
EditableText.SetTextContents / InsertText / DeleteText with ordinary and hostile texts
at odd positions, Component.GrabFocus, on every object of the window, shown or not; real
keys through the X server's XTEST extension; now and then the right answer typed by keys
and checked with F2 (so that points can be earned), or a timed series started. After
PRACTICE actions a timed series of one minute is started by keys (Alt+T, 1, Enter, F5),
and RESET is held back while it runs, so that the run sees the time run out; the run
ends TAIL actions later (DEFAULT_ACTIONS at the least): some 600 actions, 75 s.

  SCREEN_READER_SEED=n       the seed (default 2026)
  SCREEN_READER_ACTIONS=n    exactly this many actions
  SCREEN_READER_SECONDS=n    the run stops early, passing, after this long (default 80),
                             so that a loaded machine still ends in time
  SCREEN_READER_KEEP_GOING=1 reports every broken rule, once when it comes, and goes on,
                             instead of stopping at the first
  SCREEN_READER_TIMING=1     prints the time an action of each kind took

The actions come from the seed alone, never from what the window shows: a seed always
gives the same actions. What they meet can differ from run to run where the clock comes
in: the program draws its exercises from the clock (how many sum boxes show, the
answers), and a series ends a minute after START, wherever the run is then.

After each action, read over the bus (the rules below name the objects by objectName):

  answers     every call returns within HANG_SECONDS (a Press that waits in the loop of
              a message box does not) and the program stays alive;
  counters    the exercise number (Reeksteller) and the most points (Label8) agree, the
              points (Label6) lie between 0 and one less; while the results (Panel3)
              show, their points (Label48) are Label6 and their exercises (Label49)
              one less than Label8;
  points      a point comes only from VOLGENDE OEFENING (its Press or a key), one at a
              time, never once the timed series has ended, and only while a right
              judgement stands: the last check was announced "Som goed." (with
              "Teruggave goed." on a receipt), and no new exercise and no new payment
              (Betaald) came since;
  judged      a check announced "Som goed." reads the sum boxes as shown: every shown
              box holds one character, a digit or the comma, and they read the total of
              the prices on screen; a "not a valid floating point value" message while
              every shown box holds one visible character and they read a number is
              wrong too;
  focus       no object that is not showing has the focus;
  inert       an action on an object that is not showing, not enabled, or under the open
              wallet (Portemonnee) or information panel (Info) changes nothing: not the
              exercise (the prices), the counters, the settings fields, the marks of the
              check boxes, the sum boxes, the change field, the paid amount, what the
              wallet assembled, which panels are open, whether VOLGENDE OEFENING shows,
              nor where the focus is;
  settings    a settings field without the focus holds a text its rules take (a whole
              number; 2 to 12 addends).

A message box left open (the check's "not a number") is closed by its OK, as the pupil
would, and the window is given the keyboard back, as a window manager would.

A failure prints the seed, every action so far, and the broken rule.
"""

import argparse
import ctypes
import os
import random
import re
import signal
import sys
import time
import unicodedata
from decimal import Decimal, InvalidOperation

import pyatspi
from gi.repository import Atspi, GLib

import check_tree
from check_tree import Failure, Program, TreeMap, actions_of, pump, states_of

DEFAULT_SEED = 2026
DEFAULT_ACTIONS = 300
# Actions before the timed series that must run to its end is started.
PRACTICE = 80
DEFAULT_SECONDS = 80
# Actions after that series has ended.
TAIL = 20
# An action call that takes longer than this has hung the program (a modal loop, for one).
HANG_SECONDS = 5
# How long a Press on a push button may stay pressed (Qt clicks it 100 ms later).
PRESS_WAIT = 3.0
# Keys arrive through the X server: the program has taken them when nothing changes any
# more over QUIET seconds (at most KEY_WAIT seconds).
QUIET = 0.05
KEY_WAIT = 3.0
# How long a check may take to be spoken or to open its message.
CHECK_WAIT = 0.3
# How long keys may take to reach the program before it is watched for quiet.
KEY_DELAY = 0.08

# ------------------------------------------------------------------------- what is drawn

TEXTS = ["7", "0", "5", "12", "103e0", "1e3", "x", "ab", "-1", " 3 ", "2,5", "1.5", ",", ".",
         "", "999999999999", "1\u200b", "\u200b", "\u200f5", "5\u200f", "0\u200b7",
         "\uff11\uff12", "\u0663", "\t4", "3 4"]
POSITIONS = [-3, -1, 0, 0, 1, 1, 2, 5, 100, 100000]
KEYS = (["0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "5", "0", "comma", "period",
         "minus", "a", "e", "x", "space", "space", "Return", "Return", "Escape", "Tab",
         "Shift_L+Tab", "BackSpace", "BackSpace", "Delete", "Left", "Right", "Up", "Down",
         "Home", "End", "Control_L+a", "Control_L+z", "Control_L+v"]
        + ["F1", "F2", "F2", "F3", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11"]
        + ["Alt_L+" + k for k in "agtokphm"])
# The kinds of action that send keys.
KEYED = ("key", "answer", "series", "mode")
# Drawn per action: a kind, then what it needs.
KINDS = [("do", 34), ("text", 22), ("focus", 12), ("key", 24), ("answer", 6), ("series", 2)]

# The objects that act, the wallet's pieces, and the rest: the pieces are most of the
# window, and would otherwise crowd out everything else.
ACTING = {"QPushButton", "QToolButton", "MouseButton", "QCheckBox", "EditBox", "Picture"}
# The STOP picture ends the program, as it should; so does Ctrl+Q (not among the keys).
STOP = "Image4"
COVERING = ["Info", "Portemonnee"]  # the window's panels that lie over others, lowest first
SETTINGS = ["MaxArtikels", "MaxGetal", "TimerMinuten"]
CHECK_BOXES = ["Komma", "Kasticket", "Geldbeugel", "Hulpjes", "Eenvoudig"]
SUM_BOXES = [f"Tot{k}" for k in range(1, 15)]
PRICES = [f"Prijs{r}" for r in range(1, 13)]
NAMES_READ = ["Label6", "Label8", "Reeksteller", "Label48", "Label49", "Betaald", "Geldteller",
              "Tot3"] + PRICES
TEXTS_READ = SUM_BOXES + ["Teruggave"] + SETTINGS


def show(value):
    """A text (or a tuple of them) as the log prints it: quoted, invisible characters
    spelled out, and no longer than a line."""
    text = ascii(value)
    return text if len(text) <= 100 else f"{text[:80]}... ({len(text)} characters)"


class Step:
    """One action of the plan, drawn from the seed."""

    def __init__(self, kind, target=None, **what):
        self.kind = kind
        self.target = target  # a map row, for the actions on an object
        self.what = what
        self.done = None  # what was actually sent, once played

    def __str__(self):
        if self.done:
            return self.done
        if self.kind == "key":
            return f"key {self.what['chord']}"
        return f"{self.kind} {self.target['name'] if self.target else ''}".strip()


def draw_plan(seed, rows):
    """The actions of a seed, one after the other, for as long as they are asked for."""
    rng = random.Random(seed)
    acting = [r for r in rows if r["cls"] in ACTING and r["name"] != STOP
              and not (r["cls"] == "Picture" and r["parent"] == "Portemonnee")]
    pieces = [r for r in rows if r["cls"] == "Picture" and r["parent"] == "Portemonnee"]
    anything = [r for r in rows if r["name"] != STOP]
    editable = [r for r in rows if r["cls"] == "EditBox"]
    helpbox = [r for r in rows if r["name"] == "Help"]
    # The run starts in a mode of the seed's: a receipt (paid from the wallet or not) or
    # the classic sum, decimals or not, helps or not.
    setup = []
    if rng.random() < 0.5:
        setup.append("Alt_L+k")
        if rng.random() < 0.5:
            setup.append("Alt_L+p")
    if rng.random() < 0.3:
        setup.append("Alt_L+o")
    if rng.random() < 0.3:
        setup.append("Alt_L+h")
    yield Step("mode", chords=setup)
    kinds, weights = zip(*KINDS)
    while True:
        kind = rng.choices(kinds, weights)[0]
        if kind == "do":
            group = rng.choices([acting, pieces, anything], [60, 20, 20])[0]
            yield Step("do", rng.choice(group), pick=rng.randrange(1000))
        elif kind == "text":
            target = rng.choice(helpbox if rng.random() < 0.05 else editable)
            op = rng.choices(["set", "insert", "delete"], [50, 30, 20])[0]
            yield Step("text", target, op=op, text=rng.choice(TEXTS),
                       start=rng.choice(POSITIONS), end=rng.choice(POSITIONS))
        elif kind == "focus":
            yield Step("focus", rng.choice(acting if rng.random() < 0.7 else anything))
        elif kind == "key":
            yield Step("key", chord=rng.choice(KEYS))
        elif kind == "answer":
            yield Step("answer")
            if rng.random() < 0.5:
                yield Step("key", chord="F3")
        else:
            yield Step("series")


# ---------------------------------------------------------------------------- the keys


class Keyboard:
    """Real key presses through the X server's XTEST extension (libXtst comes with
    at-spi2-core), to the window that has the keyboard."""

    def __init__(self):
        x = self.x = ctypes.CDLL("libX11.so.6")
        t = self.t = ctypes.CDLL("libXtst.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XStringToKeysym.restype = ctypes.c_ulong
        x.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x.XKeysymToKeycode.restype = ctypes.c_ubyte
        x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_ulong),
                                     ctypes.POINTER(ctypes.c_int)]
        x.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                     ctypes.c_ulong]
        t.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                        ctypes.c_ulong]
        t.XTestQueryExtension.argtypes = [ctypes.c_void_p] + [ctypes.POINTER(ctypes.c_int)] * 4
        self.display = x.XOpenDisplay(None)
        if not self.display:
            raise Failure("cannot open the X display for XTEST")
        ints = [ctypes.c_int() for _ in range(4)]
        if not t.XTestQueryExtension(self.display, *[ctypes.byref(i) for i in ints]):
            raise Failure("the X server has no XTEST extension")
        self.window = None

    def focused_window(self):
        window, revert = ctypes.c_ulong(), ctypes.c_int()
        self.x.XGetInputFocus(self.display, ctypes.byref(window), ctypes.byref(revert))
        return window.value

    def remember_program_window(self):
        """The program's window, which has the keyboard once it is active."""
        window = self.focused_window()
        if window > 1:  # not None (0) nor PointerRoot (1)
            self.window = window

    def give_keyboard_to_program(self):
        """What a window manager does when a message box closes: the main window gets the
        keyboard back. Without one, X hands it to the root window."""
        if self.window:
            self.x.XSetInputFocus(self.display, self.window, 2, 0)  # RevertToParent, now
            self.x.XSync(self.display, 0)

    def press(self, chord):
        """Presses the keys of a chord ("Alt_L+t") in order and lets them go in reverse."""
        codes = []
        for name in chord.split("+"):
            code = self.x.XKeysymToKeycode(self.display, self.x.XStringToKeysym(name.encode()))
            if code == 0:
                raise Failure(f"no key for {name!r} on the X server")
            codes.append(code)
        for code in codes:
            self.t.XTestFakeKeyEvent(self.display, code, 1, 0)
        for code in reversed(codes):
            self.t.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.x.XSync(self.display, 0)


def checks(step):
    """Whether the step presses CONTROLEER (or F2)."""
    return step.kind == "answer" or step.done == "key F2" or \
        step.done.startswith("Press Kontroleer")


def chord_of(char):
    return {",": "comma", ".": "period", "-": "minus"}.get(char, char)


# ------------------------------------------------------------------------ reading state


class Snapshot:
    """What the window shows, read over the bus. The states of the objects the rules look
    at are read at once, those of every object only when `full`; any other object's are
    read when first asked for."""

    def __init__(self, run, full=False):
        self.run = run
        self.states = {}
        # Where the focus may be: the objects that took it, as their events told, and
        # have not been seen without it since.
        for key in (run.nodes if full else run.watched_keys | run.focus_candidates):
            self.state(key)
        run.focus_candidates -= {k for k, s in self.states.items() if "focused" not in s}
        run.focus_candidates |= set(self.focus)
        self.names = {n: run.node(n).name for n in NAMES_READ}
        self.texts = {n: run.node(n).queryText().getText(0, -1) for n in TEXTS_READ}
        self.windows = run.top_level_count()

    def state(self, key):
        if key not in self.states:
            self.states[key] = frozenset(states_of(self.run.nodes[key]))
        return self.states[key]

    def has(self, key, state):
        return state in self.state(key)

    def shows(self, key):
        return self.has(key, "showing")

    @property
    def active(self):
        return self.has((), "active")

    @property
    def focus(self):
        return sorted(k for k, s in self.states.items() if "focused" in s and k != ())

    @property
    def series_over(self):
        # Once the time is up, the clock stays and CONTROLEER goes until RESET.
        return self.shows(("KlokVenster",)) and not self.shows(("Kontroleer",))

    def watched(self):
        """Everything an inert control must leave as it is."""
        return dict(
            prices=tuple(self.names[p] for p in PRICES),
            counters=(self.names["Label6"], self.names["Label8"], self.names["Reeksteller"]),
            settings=tuple(self.texts[s] for s in SETTINGS),
            marks=tuple(c for c in CHECK_BOXES if self.has((c,), "checked")),
            sum=tuple(self.texts[t] for t in SUM_BOXES),
            change=self.texts["Teruggave"],
            paid=self.names["Betaald"],
            assembled=self.names["Geldteller"],
            open=tuple(p for p in COVERING + ["Panel3"] if self.shows((p,))),
            next=self.shows(("VolgendeOefening",)),
            over=self.series_over,
            focus=tuple(self.focus),
        )

    def same(self, other):
        """Whether two snapshots saw the same window."""
        return (self.watched() == other.watched() and self.names == other.names
                and self.texts == other.texts and self.windows == other.windows
                and self.active == other.active)


def amount(text):
    """An amount as the window writes it ("12", "12,5", "12,50"), or None."""
    try:
        return Decimal(text.strip().replace(",", "."))
    except InvalidOperation:
        return None


def plain(value):
    """An amount written as the pupil types it: "-12", "7,5"."""
    text = format(abs(value).quantize(Decimal("0.0001")), "f").rstrip("0").rstrip(".")
    return ("-" if value < 0 else "") + text.replace(".", ",")


def total_on_screen(snap):
    """The sum of the prices shown (a receipt line's price is its last word)."""
    total = Decimal(0)
    for p in PRICES:
        if snap.shows((p,)):
            words = snap.names[p].split()
            value = amount(words[-1]) if words else None
            if value is None:
                return None
            total += value
    return total


INVISIBLE = ("Cf", "Zs", "Cc", "Zl", "Zp", "Mn")


def visible(text):
    return "".join(c for c in text if unicodedata.category(c) not in INVISIBLE)


# ---------------------------------------------------------------------------------- run


class Run:
    def __init__(self, args, seed, count, seconds, keep_going):
        self.args = args
        self.seed = seed
        self.seconds = seconds
        self.keep_going = keep_going
        self.map = TreeMap(args.map)
        for row in self.map.rows:
            parent = self.map.by_path.get(tuple(row["path"][:-1])) if row["path"] else None
            row["parent"] = parent["name"] if parent else None
        self.count = count
        self.plan = draw_plan(seed, self.map.rows)
        # After PRACTICE actions a timed series must run to its end: RESET is held back
        # while it runs, and the run ends TAIL actions after its end.
        self.series_ended_at = None
        self.number = 0
        self.key_of_path = {}
        self.played = []
        self.failures = []
        self.announced = []
        self.announcer = None  # known once the window is on the bus
        self.extents = {}
        self.focus_candidates = set()
        self.counts = dict(points=0, boxes=0, series_ends=0, skipped=0, refocused=0)
        self.timing = {}
        self.program = None

    # ----------------------------------------------------------------- the program
    def start(self):
        check_tree.start_atspi_bus()
        # Every call that hangs longer than this fails, from the program's start on.
        Atspi.set_timeout(HANG_SECONDS * 1000, HANG_SECONDS * 1000)
        pyatspi.Registry.registerEventListener(self.on_event, "object:state-changed:showing",
                                               "object:state-changed:focused")
        self.keyboard = Keyboard()
        self.program = Program(self.args.program, self.map,
                               os.path.join(self.args.log_dir, "program.log"))
        self.keyboard.remember_program_window()
        self.nodes = {}
        self.by_name = {}
        for row in self.map.rows:
            key = (row["name"],) if row["name"] else ("#" + "/".join(map(str, row["path"])),)
            if not row["path"]:
                key = ()
            node = self.program.at(row)
            self.nodes[key] = node
            row["key"] = key
            if row["name"]:
                self.by_name.setdefault(row["name"], node)
        self.announcer = self.node("Aankondiging")
        self.key_of_path = {node.path: key for key, node in self.nodes.items()}
        names = (["Kontroleer", "KlokVenster", "VolgendeOefening", "Panel3", "Teruggave"]
                 + COVERING + SUM_BOXES + PRICES + CHECK_BOXES + SETTINGS)
        self.watched_keys = {()} | {(n,) for n in names}
        self.focus_candidates = set()
        self.app = self.program.window.get_application()
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def node(self, name):
        return self.by_name[name]

    def top_level_count(self):
        return self.app.childCount

    def on_event(self, event):
        if event.source is None:
            return
        if event.type.endswith("focused"):
            if event.detail1 == 1 and event.source.path in self.key_of_path:
                self.focus_candidates.add(self.key_of_path[event.source.path])
        elif event.detail1 == 1 and event.source == self.announcer:
            # The announcer also tells the exercise, the wallet and the help: only what
            # a check says is a judgement.
            try:
                said = event.source.name
            except GLib.Error:
                said = ""
            if re.search(r"\bSom (goed|fout)\.", said) or not said:
                self.announced.append(said)

    # ----------------------------------------------------------------- inertness
    def rect(self, key):
        if key not in self.extents:
            e = self.nodes[key].queryComponent().getExtents(pyatspi.WINDOW_COORDS)
            self.extents[key] = (e.x, e.y, e.width, e.height)
        return self.extents[key]

    def why_inert(self, snap, row):
        """Why an action on the object must change nothing, or None."""
        key = row["key"]
        if not snap.shows(key):
            return "hidden"
        if not snap.has(key, "enabled"):
            return "disabled"
        if not row["path"]:
            return None
        # A panel lies over what it does not hold, where it shows, from its place in the
        # window's stack up (the wallet over the information panel).
        inside = [c for c in COVERING if row["name"] == c or self.holds(c, row)]
        above = COVERING[COVERING.index(inside[-1]) + 1:] if inside else COVERING
        for panel in above:
            if snap.shows((panel,)):
                px, py, pw, ph = self.rect((panel,))
                x, y, w, h = self.rect(key)
                cx, cy = x + w // 2, y + h // 2
                if px <= cx < px + pw and py <= cy < py + ph:
                    return f"under {panel}"
        return None

    def holds(self, panel, row):
        rows = [r for r in self.map.rows if r["name"] == panel]
        return bool(rows) and row["path"][:len(rows[0]["path"])] == rows[0]["path"]

    # ----------------------------------------------------------------- playing
    def play(self, step, snap):
        """Sends the step; returns what it was, as the log says it."""
        kind = step.kind
        if kind == "key":
            chord = step.what["chord"]
            if self.holding_reset(snap) and (
                    chord in ("Escape", "F6") or
                    (chord in ("space", "Return") and snap.has(("OKKnop1",), "focused"))):
                return f"(held back while the series runs) key {chord}"
            self.keyboard.press(chord)
            self.settle_keys()
            return f"key {chord}"
        if kind == "answer":
            return self.answer(snap)
        if kind == "series":
            return self.start_series(snap)
        if kind == "mode":
            if not step.what["chords"]:
                return "mode: classic"
            return self.keys("mode:", step.what["chords"])
        name = step.target["name"] or "#" + "/".join(map(str, step.target["path"]))
        node = self.nodes[step.target["key"]]
        # What is sent is logged before it is sent: a call that hangs is named too.
        if kind == "do":
            names = actions_of(node)
            if not names:
                return f"(no action) {name}"
            action = names[step.what["pick"] % len(names)]
            if self.holding_reset(snap) and name == "OKKnop1" and action == "Press":
                return f"(held back while the series runs) Press {name}"
            step.done = f"{action} {name}"
            ok = node.queryAction().doAction(names.index(action))
            self.settle_press(node)
        elif kind == "focus":
            try:
                component = node.queryComponent()
            except NotImplementedError:
                return f"(no component) {name}"
            step.done = f"GrabFocus {name}"
            ok = component.grabFocus()
        else:
            try:
                editable = node.queryEditableText()
            except NotImplementedError:
                return f"(not editable) {name}"
            op, text, start, end = (step.what[k] for k in ("op", "text", "start", "end"))
            if op == "set":
                step.done = f"SetTextContents {name} {show(text)}"
                ok = editable.setTextContents(text)
            elif op == "insert":
                step.done = f"InsertText {name} at {start} {show(text)}"
                ok = editable.insertText(start, text, len(text))
            else:
                step.done = f"DeleteText {name} {start}..{end}"
                ok = editable.deleteText(start, end)
        return step.done + ("" if ok else " (refused)")

    def settle_press(self, node):
        """Qt's Press on a push button shows it pressed and clicks it 100 ms later."""
        end = time.monotonic() + PRESS_WAIT
        while "pressed" in states_of(node) and time.monotonic() < end:
            pump(0.01)

    def settle_keys(self):
        """Keys go through the X server: wait until the window stops changing."""
        end = time.monotonic() + KEY_WAIT
        pump(KEY_DELAY)
        last = Snapshot(self).watched()
        while time.monotonic() < end:
            pump(QUIET)
            now = Snapshot(self).watched()
            if now == last:
                return
            last = now

    def reachable(self, snap, name):
        return (snap.active and snap.windows == 1
                and self.why_inert(snap, next(r for r in self.map.rows
                                              if r["name"] == name)) is None)

    def answer(self, snap):
        """The right sum (and change) typed by keys, as the pupil would, and F2."""
        total = total_on_screen(snap)
        if total is None or not self.reachable(snap, "Wis1") or not self.reachable(snap, "Tot1"):
            self.counts["skipped"] += 1
            return "answer (skipped: the sum row is out of reach)"
        decimal = snap.names["Tot3"] == "som, komma"
        text = f"{total:.2f}".replace(".", ",") if decimal else str(int(total))
        keys = ["F7"] + [chord_of(c) for c in reversed(text)]
        said = f"answer {text}"
        if snap.shows(("Teruggave",)):
            paid = amount(snap.names["Betaald"] or "0") or Decimal(0)
            change = plain(paid - total)
            keys += ["Return"] + [chord_of(c) for c in change]
            said += f", change {change}"
        for chord in keys + ["F2"]:
            self.keyboard.press(chord)
        self.settle_keys()
        return said + " (F7, the keys, F2)"

    def start_series(self, snap):
        """A timed series of one minute, by keys, the wallet and the information panel
        closed first (F11, F9) as the pupil would."""
        closing = [k for k, panel in (("F11", "Portemonnee"), ("F9", "Info"))
                   if snap.shows((panel,))]
        if closing:
            for chord in closing:
                self.keyboard.press(chord)
            self.settle_keys()
            snap = self.settled()
        if not self.reachable(snap, "TimerMinuten"):
            self.counts["skipped"] += 1
            return "series (skipped: the minutes are out of reach)"
        return self.keys("series of 1 minute:", closing + ["Alt_L+t", "1", "Return", "F5"])

    def keys(self, what, chords):
        for chord in chords:
            self.keyboard.press(chord)
        self.settle_keys()
        return f"{what} " + ", ".join(re.sub(r"_L\+(.)", lambda m: "+" + m[1].upper(), c)
                                       .replace("Return", "Enter") for c in chords)

    def settled(self, full=False):
        """A snapshot that a second one, read right after, confirms: one object after the
        other is read, and the window may change meanwhile (the clock, a key taken late)."""
        snap = Snapshot(self, full)
        end = time.monotonic() + KEY_WAIT
        while time.monotonic() < end:
            again = Snapshot(self)
            if again.same(snap):
                break
            snap = again
        return snap

    def series_runs(self, snap):
        return snap.shows(("KlokVenster",)) and not snap.series_over

    def holding_reset(self, snap):
        return self.number > PRACTICE and self.series_ended_at is None and \
            self.series_runs(snap)

    def close_message_boxes(self):
        """Closes what opened over the window by its OK, as the pupil would; returns the
        texts of the boxes met."""
        texts = []
        for _ in range(10):
            if self.top_level_count() <= 1:
                break
            box = self.app.getChildAtIndex(self.top_level_count() - 1)
            texts.append(" ".join(n.name for n in self.walk(box) if n.getRole() == pyatspi.ROLE_LABEL))
            buttons = [n for n in self.walk(box) if "Press" in actions_of(n)]
            if not buttons:
                raise Failure(f"a window without a button opened: {box.name!r}")
            buttons[0].queryAction().doAction(actions_of(buttons[0]).index("Press"))
            end = time.monotonic() + PRESS_WAIT
            count = self.top_level_count()
            while self.top_level_count() >= count and time.monotonic() < end:
                pump(0.02)
        if texts or "active" not in states_of(self.program.window):
            self.counts["refocused"] += 1
            self.keyboard.give_keyboard_to_program()
            end = time.monotonic() + PRESS_WAIT
            while "active" not in states_of(self.program.window) and time.monotonic() < end:
                pump(0.02)
        self.counts["boxes"] += len(texts)
        return texts

    def walk(self, node):
        yield node
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from self.walk(child)

    # ----------------------------------------------------------------- the rules
    def check(self, step, before, after, inert, boxes, state):
        problems = []
        b, a = before, after
        # Counters.
        try:
            points, most, number = (int(a.names[n]) for n in ("Label6", "Label8", "Reeksteller"))
        except ValueError:
            points = most = number = None
            problems.append(f"the counters read {a.names['Label6']!r} of {a.names['Label8']!r},"
                            f" exercise {a.names['Reeksteller']!r}")
        if number is not None:
            if most != number or not 0 <= points < number:
                problems.append(f"the counters disagree: {points} points of {most},"
                                f" exercise {number}")
            if a.shows(("Panel3",)) and (a.names["Label48"] != str(points)
                                         or a.names["Label49"] != str(number - 1)):
                problems.append(f"the results show {a.names['Label48']} of"
                                f" {a.names['Label49']}; the counters {points} of {number - 1}")
        # Points.
        was = int(b.names["Label6"]) if b.names["Label6"].isdigit() else None
        gained = points - was if points is not None and was is not None else 0
        new_series = number == 1 and b.names["Reeksteller"] != "1"
        said = self.announced[-1] if self.announced else ""
        judged_right = "goed" in said and "fout" not in said
        if gained > 0 and not new_series:
            self.counts["points"] += gained
            # A key the program took late counts for the action after it too.
            by_next = any(s.kind in ("key", "answer") or s.done.startswith(
                "Press VolgendeOefening") for s in (step, state["previous"]) if s)
            if gained > 1:
                problems.append(f"{gained} points at once")
            if b.series_over:
                problems.append("a point after the timed series ended")
            elif not by_next:
                problems.append("a point from something else than VOLGENDE OEFENING")
            elif not (state["standing"] or judged_right):
                problems.append(f"a point for a judgement that no longer stands"
                                f" ({state['lapsed']})")
        if self.announced and not a.series_over:
            state["standing"] = judged_right
            state["lapsed"] = f"the last check said {said!r}"
        if gained or number != int(b.names["Reeksteller"] or 0) or \
                a.watched()["prices"] != b.watched()["prices"]:
            state["standing"] = False
            state["lapsed"] = "a new exercise came"
        elif a.names["Betaald"] != b.names["Betaald"] and not self.announced:
            state["standing"] = False
            state["lapsed"] = (f"paid {b.names['Betaald']!r} became {a.names['Betaald']!r}"
                               " after the check")
        if a.series_over:
            if not b.series_over:
                self.counts["series_ends"] += 1
            state["standing"] = False
            state["lapsed"] = "the timed series ended"
        # What was judged is what is shown.
        if checks(step) and not b.series_over and not a.series_over:
            shown = [a.texts[t] for t in reversed(SUM_BOXES) if a.shows((t,))]
            total = total_on_screen(a)
            if self.announced and self.announced[-1].startswith("Som goed"):
                one_each = all(len(t) == 1 and t in "0123456789," for t in shown)
                value = amount("".join(shown)) if one_each else None
                if value is None or value != total:
                    problems.append(f"judged right, but the sum boxes hold {show(shown)}"
                                    f" for the total {total}")
            if any("not a valid" in t for t in boxes):
                seen = [visible(t) for t in shown]
                row = "".join(seen)
                if all(len(t) == 1 for t in seen) and re.fullmatch(r"[0-9]+(,[0-9]+)?", row):
                    problems.append(f"the sum boxes show {row} (they hold {show(shown)}), and the"
                                    f" check says {boxes[-1]!r}")
        # Focus.
        if a.active:
            hidden = [k for k in a.focus if not a.shows(k)]
            if hidden:
                problems.append(f"the focus is on {self.say(hidden[0])}, which is not showing")
        # Inert controls.
        if inert and not (a.series_over and not b.series_over):
            wb, wa = b.watched(), a.watched()
            if not (a.active and b.active):
                del wb["focus"], wa["focus"]  # no window has the keyboard: no focus to see
            changed = [f"{k} {show(wb[k])} -> {show(wa[k])}" for k in wb if wb[k] != wa[k]]
            if changed:
                name = step.target["name"] or "an unnamed object"
                problems.append(f"an action on {name} ({inert}) changed " + "; ".join(changed))
        # Settings fields are judged before anything reads them.
        if a.active:
            for field in SETTINGS:
                text = a.texts[field]
                if a.has((field,), "focused"):
                    continue
                if not re.fullmatch(r"[+-]?[0-9]{1,9}", text) or (
                        field == "MaxArtikels" and not 2 <= int(text) <= 12):
                    problems.append(f"{field} holds {show(text)}, which its rules refuse")
        return problems

    def say(self, key):
        return key[0] if key else "the window"

    # ----------------------------------------------------------------- the loop
    def run(self):
        started = time.monotonic()
        self.start()
        pump(0.1)
        snap = self.snap = Snapshot(self, full=True)
        state = dict(standing=False, lapsed="no check yet", previous=None)
        last = set()
        for number, step in self.steps():
            self.number = number
            if self.count is not None and number > self.count:
                break
            if self.count is None and number > DEFAULT_ACTIONS and \
                    self.series_ended_at is not None and number - self.series_ended_at > TAIL:
                break
            if time.monotonic() - started > self.seconds:
                print(f"random actions: the time is up after {number - 1} actions")
                break
            t0 = time.monotonic()
            # A message box the clock opened since (the check at the end of a series) is
            # closed before anything else.
            if not snap.active or self.top_level_count() > 1:
                self.close_message_boxes()
                snap = self.settled()
            inert = None
            if step.target is not None:
                inert = self.why_inert(snap, step.target)
                if inert:
                    # Whatever came late (a key, the clock) must not count against it.
                    if state["previous"] and state["previous"].kind in KEYED:
                        pump(KEY_DELAY)
                    fresh = Snapshot(self)
                    end = time.monotonic() + KEY_WAIT
                    while not fresh.same(snap) and time.monotonic() < end:
                        snap = fresh
                        pump(QUIET)
                        fresh = Snapshot(self)
                    snap = fresh
                    inert = self.why_inert(snap, step.target)
            self.announced.clear()
            before = snap
            problems = []
            called = time.monotonic()
            try:
                step.done = self.play(step, snap)
            except GLib.Error as e:
                step.done = step.done or str(step)
                if self.program.process.poll() is None:
                    problems.append(f"the call did not return in {time.monotonic() - called:.1f}"
                                    f" s ({e.message.split('.')[0]})")
            self.played.append(f"{number:4d} {step.done}" + (f"  [{inert}]" if inert else ""))
            if self.program.process.poll() is not None:
                problems.append(f"the program ended (exit {self.program.process.returncode})")
                self.report(number, problems)
                break
            pump(0.02)
            if checks(step):
                # The judgement is spoken, or a message box opens: give either a moment.
                end = time.monotonic() + CHECK_WAIT
                while not self.announced and self.top_level_count() == 1 and \
                        time.monotonic() < end:
                    pump(0.02)
            boxes = self.close_message_boxes()
            if boxes:
                self.played[-1] += f"  (message {boxes[-1]!r} closed)"
            # Every tenth look is at every object, in case a focus moved without its event.
            snap = self.snap = self.settled(full=number % 10 == 0)
            if number > PRACTICE and self.series_ended_at is None and snap.series_over:
                self.series_ended_at = number
            problems += self.check(step, before, snap, inert, boxes, state)
            state["previous"] = step
            spent = self.timing.setdefault(step.kind, [0, 0.0])
            spent[0] += 1
            spent[1] += time.monotonic() - t0
            # A state that stays broken is told once, when it comes.
            new = [p for p in problems if p not in last]
            last = set(problems)
            if new:
                self.report(number, new)
                if not self.keep_going:
                    break
        self.elapsed = time.monotonic() - started

    def steps(self):
        """The plan's actions, numbered; after PRACTICE of them a timed series is started,
        by keys, every fifth action until one runs."""
        number = tried = 0
        for step in self.plan:
            if number >= PRACTICE and self.series_ended_at is None and \
                    not self.snap.shows(("KlokVenster",)) and number - tried >= 5:
                number += 1
                tried = number
                yield number, Step("series")
            number += 1
            yield number, step

    def report(self, number, problems):
        self.failures += [(number, p) for p in problems]
        if self.keep_going:
            for p in problems:
                print(f"FAILED at {self.played[-1].strip()}: {p}")
            return
        print(f"random actions: FAILED at action {number} of seed {self.seed}:")
        for p in problems:
            print(f"  {p}")
        self.print_actions()

    def print_actions(self):
        print(f"the actions of seed {self.seed} so far:")
        for line in self.played:
            print(line)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--map", required=True)
    parser.add_argument("--log-dir", required=True)
    args = parser.parse_args()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    seed = int(os.environ.get("SCREEN_READER_SEED") or DEFAULT_SEED)
    count = os.environ.get("SCREEN_READER_ACTIONS")
    count = int(count) if count else None
    seconds = float(os.environ.get("SCREEN_READER_SECONDS") or DEFAULT_SECONDS)
    keep_going = bool(os.environ.get("SCREEN_READER_KEEP_GOING"))
    run = Run(args, seed, count, seconds, keep_going)
    try:
        run.run()
    except Failure as e:
        print(f"random actions: cannot run: {e}")
        return 1
    finally:
        if run.program is not None:
            run.program.stop()
            path = os.path.join(args.log_dir, "program.log")
            if run.failures and os.path.exists(path) and os.path.getsize(path):
                with open(path, encoding="utf-8", errors="replace") as f:
                    print(f"--- the program's output\n{f.read()[-3000:]}")
    if run.failures and keep_going:
        run.print_actions()
    c = run.counts
    if os.environ.get("SCREEN_READER_TIMING"):
        for kind, (n, spent) in sorted(run.timing.items()):
            print(f"  {kind}: {n} actions, {spent / n * 1000:.0f} ms each")
    print(f"random actions: seed {seed}, {len(run.played)} actions in {run.elapsed:.1f} s;"
          f" {c['points']} points earned, {c['series_ends']} timed series ended,"
          f" {c['boxes']} message boxes closed, {c['skipped']} answers or series skipped;"
          f" {'FAILED, ' + str(len(run.failures)) + ' broken rules' if run.failures else 'passed'}")
    if run.failures:
        print(f"again: SCREEN_READER_SEED={seed} SCREEN_READER_ACTIONS={len(run.played)}")
    return 1 if run.failures else 0


if __name__ == "__main__":
    sys.exit(main())

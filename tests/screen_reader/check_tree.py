#!/usr/bin/python3
"""Checks the real program through AT-SPI, as a screen reader sees and drives it.

Run by run.sh inside a private session bus on an Xvfb display. Starts the AT-SPI bus,
then the program (once for the controls, once per scenario), finds its controls by objectName through the
map that quorvel-a11y-map prints (Qt 6.4 sends no objectName over AT-SPI; the child
order is the same), and checks the tables below.

Every check may carry `todo="why"`: it is run and reported as TODO when it fails,
without failing the test; when it passes it says so, and the mark can go.
"""

import argparse
import fnmatch
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# --------------------------------------------------------------------------- matchers


class Re:
    """A text that matches the pattern (re.search)."""

    def __init__(self, pattern):
        self.pattern = pattern

    def __call__(self, value):
        return isinstance(value, str) and re.search(self.pattern, value) is not None

    def __repr__(self):
        return f"matching /{self.pattern}/"


class Not:
    """Anything but the given text."""

    def __init__(self, value):
        self.value = value

    def __call__(self, value):
        return value != self.value

    def __repr__(self):
        return f"not {self.value!r}"


NONEMPTY = Re(r"\S")
# A name as a screen reader reads it: no blanks around it.
TRIMMED = Re(r"^\S(.*\S)?$")


def matches(expected, value):
    return expected(value) if callable(expected) else expected == value


# ------------------------------------------------------------------------------ tables
# One row per control, or per group of controls: `id` is an objectName (shell pattern
# allowed: "Tot*"), `cls` narrows a pattern to a Qt class, `parent` to a container.
# Fields checked: role (a pyatspi.ROLE_ constant), name, description (text or matcher),
# actions (the exact list), states (each present), absent (each absent), labelled_by (the
# objectName of a control among the targets of the node's labelled-by relation).
# `distinct` checks that the names of the group differ from one another.

WINDOW = "Form1"
ACTIVATE = ["Press", "SetFocus"]

CONTROLS = [
    dict(id=WINDOW, name="Quorvel v.2 (Zenbo)", states=["active"]),
    dict(id=WINDOW, role=pyatspi.ROLE_FRAME),
    # Buttons: Press is there, and named by their caption (or tooltip for "*").
    dict(id="VolgendeOefening", role=pyatspi.ROLE_PUSH_BUTTON, name="VOLGENDE OEFENING",
         description=NONEMPTY, actions=ACTIVATE),
    dict(id="Kontroleer", role=pyatspi.ROLE_PUSH_BUTTON, name="CONTROLEER", description=NONEMPTY,
         actions=ACTIVATE),
    dict(id="Startknop", role=pyatspi.ROLE_PUSH_BUTTON, name="START", actions=ACTIVATE),
    dict(id="OKKnop1", role=pyatspi.ROLE_PUSH_BUTTON, name="RESET", actions=ACTIVATE),
    dict(id="OKKnop", role=pyatspi.ROLE_PUSH_BUTTON, name="OK", actions=ACTIVATE),
    dict(id="Wis1", role=pyatspi.ROLE_PUSH_BUTTON, name='Wissen van het veld "Totaal".',
         actions=["Press"]),
    dict(id="Wis2", role=pyatspi.ROLE_PUSH_BUTTON, name='Wissen van het veld "Teruggave".',
         actions=["Press"]),
    dict(id="PortemonneeSluiten", role=pyatspi.ROLE_PUSH_BUTTON, name="* OK *", actions=ACTIVATE),
    dict(id="PortemonneeReset", role=pyatspi.ROLE_PUSH_BUTTON, name="* Nieuw *", actions=ACTIVATE),
    # Check boxes: Toggle, the caption as name, the explanation as description.
    dict(id="Komma", role=pyatspi.ROLE_CHECK_BOX, name="Komma :", description=NONEMPTY,
         actions=["Toggle", "SetFocus"], absent=["checked"]),
    dict(id="Kasticket", role=pyatspi.ROLE_CHECK_BOX, name="Kasticket :", description=NONEMPTY,
         actions=["Toggle", "SetFocus"], absent=["checked"]),
    dict(id="Geldbeugel", role=pyatspi.ROLE_CHECK_BOX, name="Portemonnee :",
         actions=["Toggle", "SetFocus"]),
    dict(id="Hulpjes", role=pyatspi.ROLE_CHECK_BOX, name="Hulpjes :", actions=["Toggle", "SetFocus"]),
    dict(id="Eenvoudig", role=pyatspi.ROLE_CHECK_BOX, name="maximum 100 :",
         actions=["Toggle", "SetFocus"]),
    # Edit fields: named by their tooltip.
    dict(id="MaxArtikels", role=pyatspi.ROLE_TEXT, name="Het aantal op te tellen getallen.",
         states=["editable", "focusable"]),
    dict(id="MaxGetal", role=pyatspi.ROLE_TEXT,
         name="Het hoogst toegelaten getal voor de op te tellen waarden.",
         states=["editable", "focusable"]),
    dict(id="TimerMinuten", role=pyatspi.ROLE_TEXT, name=Re(r"^Indien de timer"),
         states=["editable", "focusable"]),
    dict(id="Teruggave", role=pyatspi.ROLE_TEXT, name=Re(r"teruggave-bedrag"), states=["editable"]),
    dict(id="Tot*", role=pyatspi.ROLE_TEXT, name=NONEMPTY, states=["editable", "focusable"],
         actions=["SetFocus"]),
    dict(id="Tot*", distinct=True),
    # Each sum box says its column (the first exercise: whole numbers).
    dict(id="Tot1", name="som, eenheden", description=NONEMPTY),
    dict(id="Tot2", name="som, tientallen"),
    dict(id="Tot3", name="som, honderdtallen"),
    dict(id="Tot7", name="som, miljoenen"),
    dict(id="MaxArtikels", labelled_by="Label1"),
    dict(id="MaxGetal", labelled_by="lblMaxGetal"),
    dict(id="TimerMinuten", labelled_by="Label4"),
    dict(id="Help", role=pyatspi.ROLE_TEXT, states=["read only", "multi line"]),
    # Labels read by their text.
    dict(id="Label36", role=pyatspi.ROLE_LABEL, name="Oefening nr. : :"),
    dict(id="Reeksteller", role=pyatspi.ROLE_LABEL, name="1", description=NONEMPTY),
    dict(id="lblTotaal", role=pyatspi.ROLE_LABEL, name="Totaal :"),
    dict(id="lblBetaald", role=pyatspi.ROLE_LABEL, name="Betaald :"),
    dict(id="lbl*", description=NONEMPTY),
    dict(id="lbl*", description=Not("Term2")),
    # Bare numbers are labelled by their captions.
    dict(id="Reeksteller", labelled_by="Label36"),
    dict(id="Label6", labelled_by="Label41"),
    dict(id="Label8", labelled_by="Label40"),
    dict(id="Label48", labelled_by="Label47"),
    dict(id="Label51", labelled_by="Label52"),
    dict(id="Betaald", labelled_by="lblBetaald"),
    dict(id="KlokVenster", description=NONEMPTY),
    dict(id="Label41", role=pyatspi.ROLE_LABEL, name="Behaalde punten"),
    dict(id="Label40", role=pyatspi.ROLE_LABEL, name="Maximum punten"),
    # Containers.
    dict(id="Instellingen", role=pyatspi.ROLE_PANEL, name="Instellingen"),
    dict(id="Portemonnee", role=pyatspi.ROLE_PANEL, name="Portemonnee"),
    dict(id="groep2", role=pyatspi.ROLE_PANEL, name="Soort oefening"),
    dict(id="GroupBox1", name="Te betalen"),
    dict(id="GroupBox2", name="Betaald"),
    dict(id="Panel[124]", cls="BevelPanel", role=pyatspi.ROLE_PANEL, name=NONEMPTY, distinct=True),
    dict(id="Panel[124]", cls="BevelPanel", role=pyatspi.ROLE_PANEL, name=NONEMPTY),
    dict(id="Panel3", role=pyatspi.ROLE_NOTIFICATION, name="Resultaten"),
    dict(id="Info", role=pyatspi.ROLE_PANEL, name="Info over het programma"),
    # Speaks the judgement; it has no size and is hidden until the first check.
    dict(id="Aankondiging", role=pyatspi.ROLE_NOTIFICATION),
    # Pictures that act on a click.
    dict(id="Image4", name="Stop het programma."),
    dict(id="Image1", name="Info over het Programma."),
    dict(id="Image[14]", role=pyatspi.ROLE_PUSH_BUTTON, actions=["Press"]),
    dict(id="Geld", role=pyatspi.ROLE_PUSH_BUTTON, name="Portemonnee openen", description=NONEMPTY,
         actions=["Press"]),
    # Shows nothing to act on: an image, named.
    dict(id="Image2", role=pyatspi.ROLE_IMAGE, name=NONEMPTY, actions=[]),
    # Every wallet piece says its value and is pressed like a button.
    dict(id="*", cls="Picture", parent="Portemonnee", role=pyatspi.ROLE_PUSH_BUTTON,
         name=Re(r"^(biljet van \d+ euro|munt van \d+ (euro|cent))$"),
         description=NONEMPTY, actions=["Press"]),
    dict(id="Briefje50n3", name="biljet van 50 euro"),
    dict(id="Stuk2euron1", name="munt van 2 euro"),
    dict(id="Stuk2centn10", name="munt van 2 cent"),
]

# A scenario runs on a freshly started program, with the environment variables of its
# `env` added (LANGUAGE: the language the program speaks). Steps:
#   ("do", id, action)            performs the AT-SPI action; it must report success
#   ("set_text", id, text)        EditableText.SetTextContents
#   ("focus", id)                 Component.GrabFocus
#   ("expect", id, {fields})      as in CONTROLS, waited for up to EXPECT_WAIT seconds
#                                 (TODO_WAIT in a todo scenario)
#   ("event", types, id, text)    an event since the last action: type starts with one
#                                 of `types`, from control `id` (None: any), whose text
#                                 (the event's string, or the source's name and
#                                 description) matches `text` (None: any)
# A todo scenario stops at its first failing step and reports TODO.

# A receipt line as a screen reader hears it: "5 stuks Bloemkool 10 euro", "2,45 kilogram
# Aardbeien 4 euro 90", "101 gram Kip curry 5 cent".
SAID_RECEIPT_LINE = (r"^(1 stuk|\d+ stuks|\d+ gram|\d+(,\d+)? kilogram) .*[A-Za-z].* "
                     r"(\d+ euro( \d+)?|\d+ cent)$")
EXPECT_WAIT = 3.0
TODO_WAIT = 0.5
JUDGEMENT_EVENTS = ("object:announcement", "object:property-change:accessible-name",
                    "object:property-change:accessible-description", "object:state-changed")

SCENARIOS = [
    dict(title="CONTROLEER and then VOLGENDE OEFENING by Press draw the next exercise", steps=[
        ("do", "Kontroleer", "Press"),
        ("expect", "VolgendeOefening", dict(states=["showing"])),
        ("do", "VolgendeOefening", "Press"),
        ("expect", "Reeksteller", dict(name="2")),
        ("event", ["object:property-change:accessible-name"], "Reeksteller", "2"),
    ]),
    dict(title="START and RESET by Press run and stop a timed series", steps=[
        ("focus", "TimerMinuten"),
        ("set_text", "TimerMinuten", "1"),
        ("focus", "Tot1"),
        ("expect", "Startknop", dict(states=["showing"])),
        ("event", ["object:state-changed:showing"], "Startknop", None),
        ("do", "Startknop", "Press"),
        ("expect", "KlokVenster", dict(name=Re(r"^\d\d:\d\d:\d\d$"), states=["showing"])),
        ("expect", "OKKnop1", dict(states=["showing"])),
        ("expect", "Instellingen", dict(absent=["enabled"])),
        ("do", "OKKnop1", "Press"),
        ("expect", "OKKnop1", dict(absent=["showing"])),
        ("expect", "Kontroleer", dict(states=["showing"])),
        ("expect", "Instellingen", dict(states=["enabled"])),
    ]),
    dict(title="Toggle ticks Kasticket", steps=[
        ("do", "Kasticket", "Toggle"),
        ("expect", "Kasticket", dict(states=["checked"])),
        ("event", ["object:state-changed:checked"], "Kasticket", None),
    ]),
    dict(title="Toggle on Kasticket makes a receipt, read line by line", steps=[
             ("do", "Kasticket", "Toggle"),
             ("expect", "Aantal11", dict(states=["showing"])),
             ("expect", "Artikel11", dict(states=["showing"])),
             ("expect", "Geldbeugel", dict(states=["showing"])),
             # The price carries its line as said: quantity, article, price, the units
             # in words.
             ("expect", "Prijs12", dict(name=Re(SAID_RECEIPT_LINE))),
             ("expect", "Prijs11", dict(name=Re(SAID_RECEIPT_LINE))),
             ("do", "Kasticket", "Toggle"),
             ("expect", "Aantal11", dict(absent=["showing"])),
             ("expect", "Prijs12", dict(name=Re(r"^\d+$"))),
         ]),
    dict(title="Toggle on Komma names the boxes of a decimal sum", steps=[
             ("do", "Komma", "Toggle"),
             ("expect", "Tot1", dict(name="som, honderdsten")),
             ("expect", "Tot2", dict(name="som, tienden")),
             ("expect", "Tot3", dict(name="som, komma")),
             ("expect", "Tot4", dict(name="som, eenheden")),
             ("expect", "Tot5", dict(name="som, tientallen")),
         ]),
    dict(title="Press on the info picture opens the panel, OK closes it", steps=[
             ("do", "Image1", "Press"),
             ("expect", "Info", dict(states=["showing"])),
             ("do", "OKKnop", "Press"),
             ("expect", "Info", dict(absent=["showing"])),
         ]),
    dict(title="Press on CONTROLEER announces the judgement", steps=[
             # The untouched row reads 0, which no sum is.
             ("do", "Kontroleer", "Press"),
             ("event", ["object:state-changed:showing"], "Aankondiging", "Som fout."),
             ("expect", "Aankondiging", dict(role=pyatspi.ROLE_NOTIFICATION, states=["showing"])),
             ("expect", "VolgendeOefening", dict(states=["showing"])),
             # The same judgement twice is spoken twice.
             ("do", "Kontroleer", "Press"),
             ("event", ["object:state-changed:showing"], "Aankondiging", "Som fout."),
         ]),
    dict(title="In a receipt the change is judged and announced with the sum", steps=[
             ("do", "Kasticket", "Toggle"),
             ("expect", "Teruggave", dict(states=["showing"])),
             ("focus", "Teruggave"),
             ("set_text", "Teruggave", "0"),
             ("do", "Kontroleer", "Press"),
             ("event", ["object:state-changed:showing"], "Aankondiging",
              Re(r"^Som fout\. Teruggave (goed|fout)\.$")),
         ]),
    dict(title="The wallet opens by Press and pays by Press", steps=[
             ("do", "Kasticket", "Toggle"),
             ("expect", "Geldbeugel", dict(states=["showing"])),
             ("do", "Geldbeugel", "Toggle"),
             ("expect", "Geld", dict(states=["showing"])),
             ("do", "Geld", "Press"),
             ("expect", "Portemonnee", dict(states=["showing"])),
             ("expect", "Label3", dict(name=TRIMMED)),
             ("do", "Briefje5n1", "Press"),
             ("expect", "Geldteller", dict(name=Re(r"5"))),
             ("expect", "Briefje5n1", dict(absent=["showing"])),
             ("do", "PortemonneeSluiten", "Press"),
             ("expect", "Portemonnee", dict(absent=["showing"])),
             ("expect", "Betaald", dict(name=Re(r"^5$"))),
         ]),
    dict(title="Started in French, the program speaks French", env=dict(LANGUAGE="fr"), steps=[
             # The program's name is the same in every language.
             ("expect", WINDOW, dict(name="Quorvel v.2 (Zenbo)")),
             ("expect", "Kontroleer", dict(name="VÉRIFIER",
                                           description=Re(r"vérifie si ta réponse est juste"))),
             ("expect", "Komma", dict(name="Virgule\u00a0:", description=Re(r"^Non coché = "))),
             # A sum box says its column; its help waits for F1.
             ("expect", "Tot1", dict(name="somme, unités", description="somme, unités")),
             ("expect", "Stuk2euron1", dict(name="pièce de 2 euros")),
             ("expect", "Instellingen", dict(name="Réglages")),
             ("do", "Kontroleer", "Press"),
             ("event", ["object:state-changed:showing"], "Aankondiging",
              Re("^Somme\u00a0: faux\\.")),
             ("do", "Kasticket", "Toggle"),
             ("expect", "Artikel12", dict(states=["showing"], name=Not(""))),
             ("expect", "Aantal12", dict(name=Re(r"^\d\S* (pc|g|kg)$"))),
         ]),
]

# ------------------------------------------------------------------------- machinery

START_WAIT = 20.0
LISTENED = ["object:state-changed", "object:property-change", "object:text-changed",
            "object:announcement", "focus:", "window:"]


class Failure(Exception):
    pass


def pump(seconds=0.0):
    """Lets libatspi deliver what has arrived (events, replies)."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.01)


def states_of(node):
    return sorted(pyatspi.stateToString(s) for s in node.getState().getStates())


def actions_of(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


class Role:
    """A role as AT-SPI tells it, compared by the role and shown by the name this system's
    AT-SPI gives it (a push button is "push button" on Debian 12, "button" on 13)."""

    def __init__(self, role):
        self.role = role

    def __eq__(self, other):
        return isinstance(other, Role) and other.role == self.role

    def __repr__(self):
        return repr(Atspi.role_get_name(self.role))


def read(node, field):
    if field == "role":
        return Role(node.getRole())
    if field == "name":
        return node.name
    if field == "description":
        return node.description
    if field == "actions":
        return actions_of(node)
    raise KeyError(field)


class TreeMap:
    """objectName -> child-index path, from quorvel-a11y-map."""

    def __init__(self, path):
        self.rows = []
        with open(path, encoding="utf-8") as f:
            for line in f:
                where, name, cls, role, children, at = line.rstrip("\n").split("\t")
                indices = [int(i) for i in where.split("/")] if where else []
                self.rows.append(dict(path=indices, name=name, cls=cls,
                                      children=int(children),
                                      at=tuple(int(v) for v in at.split(",")) if at else None))
        self.by_path = {tuple(r["path"]): r for r in self.rows}

    def select(self, row):
        """The map rows a table row speaks of."""
        found = []
        for r in self.rows:
            if not r["name"] or not fnmatch.fnmatchcase(r["name"], row["id"]):
                continue
            if "cls" in row and r["cls"] != row["cls"]:
                continue
            if "parent" in row:
                parent = self.by_path.get(tuple(r["path"][:-1]))
                if parent is None or parent["name"] != row["parent"]:
                    continue
            found.append(r)
        return found


class Program:
    """The running program and its accessible window."""

    def __init__(self, binary, tree_map, log_path, platform="xcb", active=True, env=None):
        """`active`: wait until the window is active, which draws the first exercise;
        otherwise only until it is on the bus. `env`: variables added to the program's
        environment."""
        self.map = tree_map
        self.active = active
        self.log = open(log_path, "ab")
        env = dict(os.environ, QT_QPA_PLATFORM=platform, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", **(env or {}))
        try:
            self.process = subprocess.Popen([binary], env=env, stdout=self.log,
                                            stderr=subprocess.STDOUT)
        except OSError as e:
            self.log.close()
            raise Failure(f"cannot start {binary}: {e}") from e
        self.window = self._wait_for_window()

    def _wait_for_window(self):
        end = time.monotonic() + START_WAIT
        while time.monotonic() < end:
            if self.process.poll() is not None:
                raise Failure(f"the program ended at start (exit {self.process.returncode})")
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                try:
                    if app is None or app.get_process_id() != self.process.pid:
                        continue
                    # Read every property afresh: the checks follow changes.
                    app.set_cache_mask(Atspi.Cache.NONE)
                    if app.childCount > 0:
                        window = app.getChildAtIndex(0)
                        # Active: the first exercise has been drawn.
                        if window is not None and (not self.active or
                                                   "active" in states_of(window)):
                            return window
                except GLib.Error:
                    pass
            pump(0.05)
        raise Failure(f"the program's window did not appear on the AT-SPI bus "
                      f"within {START_WAIT:.0f} s")

    def node(self, name):
        rows = [r for r in self.map.rows if r["name"] == name]
        if not rows:
            raise Failure(f"no control named {name!r} in the map")
        return self.at(rows[0])

    def at(self, row):
        node = self.window
        walked = []
        for index in row["path"]:
            expected = self.map.by_path[tuple(walked)]["children"]
            if node.childCount != expected:
                raise Failure(f"the tree differs from the map at {'/'.join(map(str, walked))}"
                              f": {node.childCount} children, map says {expected}")
            node = node.getChildAtIndex(index)
            walked.append(index)
            if node is None:
                raise Failure(f"no child at {'/'.join(map(str, walked))}")
        return node

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()


class Report:
    def __init__(self):
        self.passed = self.failed = self.todo = 0

    def result(self, ok, what, todo=None, detail=""):
        if ok and not todo:
            self.passed += 1
            return
        if ok:
            self.passed += 1
            print(f"TODO DONE {what}: passes now, drop its todo mark ({todo})")
        elif todo:
            self.todo += 1
            print(f"TODO      {what}: {detail} [{todo}]")
        else:
            self.failed += 1
            print(f"FAIL      {what}: {detail}")


def labelled_by(node):
    targets = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            targets += [relation.getTarget(i) for i in range(relation.getNTargets())]
    return targets


def compare(node, fields, program):
    """What differs between a node and the expected fields, or ''."""
    problems = []
    if "labelled_by" in fields:
        targets = labelled_by(node)
        if program.node(fields["labelled_by"]) not in targets:
            problems.append(f"labelled by {[t.name for t in targets]}, "
                            f"not by {fields['labelled_by']}")
    for field in ("role", "name", "description", "actions"):
        if field in fields:
            value = read(node, field)
            expected = Role(fields[field]) if field == "role" else fields[field]
            if not matches(expected, value):
                problems.append(f"{field} is {value!r}, expected {expected!r}")
    if "states" in fields or "absent" in fields:
        states = states_of(node)
        missing = [s for s in fields.get("states", []) if s not in states]
        present = [s for s in fields.get("absent", []) if s in states]
        if missing:
            problems.append(f"states {states} lack {missing}")
        if present:
            problems.append(f"states {states} hold {present}")
    return "; ".join(problems)


def check_controls(program, report):
    for row in CONTROLS:
        todo = row.get("todo")
        targets = program.map.select(row)
        label = row["id"] + (f" ({row['cls']})" if "cls" in row else "")
        if not targets:
            report.result(False, label, todo, "no such control in the map")
            continue
        try:
            nodes = [(t["name"], program.at(t)) for t in targets]
            if row.get("distinct"):
                names = [n.name for _, n in nodes]
                repeated = sorted({n for n in names if names.count(n) > 1})
                report.result(not repeated, f"{label} distinct names", todo,
                              f"{len(names)} controls, repeated names {repeated}")
                continue
            problems = [f"{name}: {p}" for name, node in nodes if (p := compare(node, row, program))]
            shown = problems[:3] + ([f"... {len(problems) - 3} more"] if len(problems) > 3 else [])
            report.result(not problems, label, todo, "; ".join(shown))
        except (Failure, GLib.Error) as e:
            report.result(False, label, todo, str(e))


class Events:
    def __init__(self):
        self.seen = []
        self.listener = lambda event: self.seen.append(event)
        pyatspi.Registry.registerEventListener(self.listener, *LISTENED)

    @staticmethod
    def texts_of(event):
        """What a screen reader could say for the event."""
        if isinstance(event.any_data, str) and event.any_data:
            return [event.any_data]
        try:
            return [event.source.name, event.source.description]
        except GLib.Error:
            return []

    def find(self, types, source, text):
        for event in self.seen:
            if not any(event.type.startswith(t) for t in types):
                continue
            if source is not None and event.source != source:
                continue
            if text is not None and not any(matches(text, t) for t in self.texts_of(event)):
                continue
            return True
        return False


def run_step(program, events, step, wait):
    kind = step[0]
    if kind == "do":
        _, name, action = step
        node = program.node(name)
        names = actions_of(node)
        if action not in names:
            raise Failure(f"{name} offers {names}, not {action!r}")
        events.seen.clear()
        if not node.queryAction().doAction(names.index(action)):
            raise Failure(f"{action} on {name} reported failure")
        pump(0.05)
    elif kind == "set_text":
        _, name, text = step
        events.seen.clear()
        if not program.node(name).queryEditableText().setTextContents(text):
            raise Failure(f"setting the text of {name} failed")
        pump(0.05)
    elif kind == "focus":
        _, name = step
        events.seen.clear()
        if not program.node(name).queryComponent().grabFocus():
            raise Failure(f"{name} did not take the focus")
        pump(0.05)
    elif kind == "expect":
        _, name, fields = step
        node = program.node(name)
        end = time.monotonic() + wait
        while (problem := compare(node, fields, program)) and time.monotonic() < end:
            pump(0.05)
        if problem:
            raise Failure(f"{name}: {problem}")
    elif kind == "event":
        _, types, name, text = step
        source = program.node(name) if name else None
        end = time.monotonic() + wait
        while not events.find(types, source, text) and time.monotonic() < end:
            pump(0.05)
        if not events.find(types, source, text):
            got = sorted({e.type for e in events.seen})
            raise Failure(f"no {'/'.join(types)} event from {name or 'any control'}"
                          f"{'' if text is None else f' with text {text!r}'}; got {got}")
    else:
        raise ValueError(f"unknown step {kind}")


def run_scenario(args, tree_map, events, scenario, report):
    todo = scenario.get("todo")
    program = Program(args.program, tree_map, os.path.join(args.log_dir, "program.log"),
                      env=scenario.get("env"))
    try:
        pump(0.1)
        for number, step in enumerate(scenario["steps"], 1):
            try:
                run_step(program, events, step, TODO_WAIT if todo else EXPECT_WAIT)
            except (Failure, GLib.Error) as e:
                report.result(False, scenario["title"], todo, f"step {number} {step[:2]}: {e}")
                return
        report.result(True, scenario["title"], todo)
    finally:
        program.stop()


def start_atspi_bus():
    """The accessibility bus, as a desktop session has it: asking the session bus for
    its address starts at-spi-bus-launcher, which starts the bus and, on the first
    call to it, the registry. They end with the session bus."""
    probe = subprocess.run(["dbus-send", "--session", "--print-reply", "--reply-timeout=10000",
                            "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                           capture_output=True, text=True)
    if probe.returncode != 0:
        raise Failure(f"the AT-SPI bus did not start: {probe.stderr.strip()}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--map", required=True)
    parser.add_argument("--log-dir", required=True)
    args = parser.parse_args()
    # A TERM from a timeout still ends the program and the bus.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))

    started = time.monotonic()
    report = Report()
    program = None
    try:
        tree_map = TreeMap(args.map)
        start_atspi_bus()
        events = Events()
        program = Program(args.program, tree_map, os.path.join(args.log_dir, "program.log"))
        check_controls(program, report)
        program.stop()
        program = None
        for scenario in SCENARIOS:
            run_scenario(args, tree_map, events, scenario, report)
    except Failure as e:
        report.result(False, "setting up", None, str(e))
        path = os.path.join(args.log_dir, "program.log")
        if os.path.exists(path) and os.path.getsize(path):
            with open(path, encoding="utf-8", errors="replace") as f:
                print(f"--- the program's output\n{f.read()[-3000:]}")
    finally:
        if program is not None:
            program.stop()
    print(f"screen reader checks: {report.passed} passed, {report.failed} failed, "
          f"{report.todo} todo ({time.monotonic() - started:.1f} s)")
    return 1 if report.failed else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""A blind pupil's lesson, heard through a real screen reader.

Run by orca.sh inside a private session bus on an Xvfb display with a window manager.
Starts the AT-SPI bus, speech-dispatcher and Orca, then the program, and goes through a
lesson by keys alone (XTEST, as a keyboard would), reading back what Orca says after
each step from its speech log. Beside it, a listener counts the accessibility events the
program sends for each step: a screen reader drops what it was about to say when too
many arrive at once.
"""

import argparse
import html
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi

from check_tree import Failure, Program, TreeMap, pump, start_atspi_bus, states_of

# Orca needs a moment after it starts and after each burst; a loaded machine may need
# more, so every wait is for quiet, up to a limit.
QUIET = 1.5
LONGEST_WAIT = 20.0
BURST_GAP = 0.3
# Orca drops the events it holds when more than 50 wait and a focus change arrives.
FLOOD = 50
# The event types Orca listens to: what the program sends a screen reader.
ORCA_EVENTS = [
    "focus:", "mouse:button", "object:property-change:accessible-name",
    "object:property-change:accessible-description", "object:text-caret-moved",
    "object:text-changed:delete", "object:text-changed:insert",
    "object:active-descendant-changed", "object:children-changed:add",
    "object:children-changed:remove", "object:state-changed:active",
    "object:state-changed:busy", "object:state-changed:focused",
    "object:state-changed:showing", "object:state-changed:checked",
    "object:state-changed:pressed", "object:state-changed:indeterminate",
    "object:state-changed:expanded", "object:state-changed:selected",
    "object:state-changed:sensitive", "object:text-attributes-changed",
    "object:text-selection-changed", "object:selection-changed",
    "object:property-change:accessible-value", "object:value-changed",
    "window:activate", "window:deactivate", "window:create", "window:destroy",
]

# The lesson in another language than Dutch: what the pupil hears (no-break spaces read as
# spaces), and what a voice must never be handed (checked on what Orca sends
# speech-dispatcher): a unit it would spell, an amount it would read digit by digit, a
# cent that is a hundred in French, a caption's "<->", grammar that does not agree.
HEARD = {
    "fr": dict(
        exercise="Exercice {} :", ticked="Case « {} » cochée.", receipt="Ticket",
        wallet="Porte-monnaie", due=r"À payer : \d", taken=r"Pris : pièce de \d+ centimes?\.",
        judged="Somme : faux.", results=r"Résultats : total des points \d+ sur \d+, \d+ %",
        quantity=r"une pièce|\d+ pièces|\d+ grammes|\d+(?:,\d+)? kilogrammes?",
        amount=r"\d+ euros?(?: \d+)?|\d+ centimes?", paid=r"Payé : \d+ euros\.", one="une",
        never=[r"\bcents?\b", r"\bpc\b", r"\bSt\.", r"\d g\b", r"<->|&lt;-&gt;",
               r"\d,\d+ (?:euro|centime)", r"\bprise\.", r"\b(?:Ticket|Porte-monnaie|Aides|"
               r"Virgule) (?:non )?coché\b", r"salle d'attente"]),
    "de": dict(
        exercise="Übung {}:", ticked="{} angekreuzt.", receipt="Kassenbon", wallet="Geldbörse",
        due=r"Zu bezahlen: (?:ein|\d)", taken=r"\d+-Cent-Münze genommen\.",
        judged="Summe falsch.",
        results=r"Ergebnisse: Gesamtpunkte \d+ von \d+, \d+ %",
        quantity=r"ein Stück|\d+ Stück|\d+ Gramm|\d+(?:,\d+)? Kilogramm",
        amount=r"(?:ein|\d+) Euro(?: \d+)?|(?:ein|\d+) Cent", paid=r"Bezahlt: \d+ Euro\.",
        one="ein",
        never=[r"\bSt\.", r"\bStk\.", r"\d g\b", r"\d kg\b", r"<->|&lt;-&gt;",
               r"\d,\d+ (?:Euro|Cent)", r"\b1 (?:Euro|Cent|Stück)", r"Wartezimmer"]),
}


def plain(text):
    """A text as heard: no-break spaces are spaces."""
    return text.replace("\u00a0", " ").replace("\u202f", " ")


def number_of(spoken, words):
    """The number a spoken quantity or amount begins with, as the screen writes it."""
    first = spoken.split()[0]
    return "1" if first == words["one"] else first


def cents_of(amount, words):
    """An amount in cents, shown ("12,50") or said ("12 euros 50", "ein Cent")."""
    numbers = [number_of(n, words) if n == words["one"] else n
               for n in re.findall(rf"\d+(?:,\d+)?|\b{words['one']}\b", amount)]
    if re.fullmatch(r"\d+(,\d+)?", amount):
        euros, _, cents = amount.partition(",")
        return int(euros) * 100 + int((cents + "00")[:2])
    if re.search(r"[Cc]ent", amount) and len(numbers) == 1:
        return int(numbers[0])
    return int(numbers[0]) * 100 + (int(numbers[1]) if len(numbers) > 1 else 0)


def said_in_dutch(shown):
    """An amount shown ("12,50") as the program says it in Dutch ("12 euro 50")."""
    euros, _, cents = shown.partition(",")
    euros, cents = int(euros), int((cents + "00")[:2])
    if cents == 0:
        return f"{euros} euro"
    return f"{cents} cent" if euros == 0 else f"{euros} euro {cents}"


class Speech:
    """What Orca said, from the log start_orca.py writes."""

    LINE = re.compile(r"^SPEECH OUTPUT: '(.*?)'(?: voice=\S+)?(?: \{.*\})?$", re.S)

    def __init__(self, path):
        self.path = path

    def all(self):
        try:
            with open(self.path, encoding="utf-8") as f:
                records = f.read().split("\x1e")
        except FileNotFoundError:
            return []
        said = []
        for record in records[:-1]:
            m = self.LINE.match(record.strip("\n"))
            if m:
                said.append(m.group(1).strip())
        return said


class EventCount:
    """The accessibility events of one process, by type and source."""

    def __init__(self):
        self.pid = None
        self.seen = []
        pyatspi.Registry.registerEventListener(self.on_event, *ORCA_EVENTS)

    def on_event(self, event):
        try:
            if event.host_application.name != "quorvel":
                return
            source = f"{event.source.getRoleName()} '{event.source.name}'"
        except Exception:  # the source may be gone already
            source = "?"
        self.seen.append((event.type, source, time.monotonic()))

    @staticmethod
    def burst(seen):
        """The most events that came together (none more than BURST_GAP after the one
        before): a screen reader's queue fills with those before it can empty it."""
        largest = current = 0
        last = None
        for _, _, at in seen:
            current = current + 1 if last is not None and at - last < BURST_GAP else 1
            largest = max(largest, current)
            last = at
        return largest


class Lesson:
    def __init__(self, args):
        self.args = args
        self.speech = Speech(os.path.join(args.work, "speech.log"))
        self.events = EventCount()
        self.orca = None
        self.speechd = None
        self.program = None
        self.failures = []

    # ---------------------------------------------------------------- the screen reader
    def start_orca(self):
        runtime = os.environ["XDG_RUNTIME_DIR"]
        self.wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        # Started here rather than by Orca: its own start can outlast Orca's patience.
        self.speechd = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0"],
                                        stdout=open(os.path.join(self.args.work,
                                                                 "speechd.out"), "wb"),
                                        stderr=subprocess.STDOUT)
        socket = os.path.join(runtime, "speech-dispatcher", "speechd.sock")
        end = time.monotonic() + LONGEST_WAIT
        while not os.path.exists(socket):
            if time.monotonic() > end or self.speechd.poll() is not None:
                raise Failure("speech-dispatcher did not start")
            time.sleep(0.1)
        env = dict(os.environ, ORCA_SPEECH_LOG=self.speech.path,
                   ORCA_PREFS=os.path.join(self.args.work, "orca"),
                   ORCA_SSIP_LOG=os.path.join(self.args.work, "ssip.log"))
        if os.environ.get("QUORVEL_ORCA_DEBUG"):
            env["ORCA_DEBUG_LOG"] = os.path.join(self.args.work, "orca-debug.log")
        here = os.path.dirname(os.path.abspath(__file__))
        self.orca = subprocess.Popen(["/usr/bin/python3", "-B",
                                      os.path.join(here, "start_orca.py")], env=env,
                                     stdout=open(os.path.join(self.args.work, "orca.out"),
                                                 "wb"), stderr=subprocess.STDOUT)
        end = time.monotonic() + LONGEST_WAIT
        while not self.speech.all():
            if time.monotonic() > end or self.orca.poll() is not None:
                raise Failure("Orca did not start (orca.out in the logs)")
            pump(0.1)
        self.settle()

    def settle(self, at_least=1.0, until=None):
        """Waits until Orca and the program have been quiet for a while, and, where
        `until` is given, until it holds of what Orca said since `said_from` (a busy
        machine may be slow to say it)."""
        start = time.monotonic()
        said, seen = len(self.speech.all()), len(self.events.seen)
        quiet_since = start
        while True:
            pump(0.1)
            now = time.monotonic()
            everything = self.speech.all()
            said_now, seen_now = len(everything), len(self.events.seen)
            if (said_now, seen_now) != (said, seen):
                said, seen, quiet_since = said_now, seen_now, now
            if (now - start >= at_least and now - quiet_since >= QUIET and
                    (until is None or until(everything))):
                return
            if now - start > LONGEST_WAIT:
                return

    # ------------------------------------------------------------------------ the pupil
    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "120", *keys], check=True)

    def step(self, title, action, at_least=1.0, until=None):
        """Does `action` and returns what Orca said and the events sent until all is
        quiet; `until`, a text or a test of the list said, is waited for as well."""
        said_before, seen_before = len(self.speech.all()), len(self.events.seen)
        if isinstance(until, str):
            text = until
            until = lambda said: self.heard(said, text)  # noqa: E731
        action()
        self.settle(at_least, None if until is None else
                    lambda everything: until(everything[said_before:]))
        said = self.speech.all()[said_before:]
        seen = self.events.seen[seen_before:]
        print(f"--- {title}: {len(seen)} events")
        for s in said:
            print(f"    said: {s!r}")
        if os.environ.get("QUORVEL_ORCA_EVENTS"):
            for e in seen:
                print(f"    event: {e[:2]}")
        return said, seen

    # ------------------------------------------------------------------------ checks
    def check(self, ok, what, said):
        print(f"{'PASS' if ok else 'FAIL'}  {what}")
        if not ok:
            self.failures.append(what)
            print(f"      Orca said: {said!r}")

    def heard(self, said, text):
        return any(text in s for s in said)

    def count(self, title, seen, bounded=True):
        """The events of an action, printed; where `bounded`, fewer than make Orca drop
        what it holds."""
        n = EventCount.burst(seen)
        self.counts.append((title, n))
        if bounded:
            self.check(n <= FLOOD, f"{title}: {n} events at once, at most {FLOOD}", [])

    def addends(self):
        """The prices or addends on screen, top to bottom, as a screen reader finds them."""
        found = []
        for r in range(1, 13):
            node = self.program.node(f"Prijs{r}")
            if "showing" in states_of(node):
                found.append(node.name)
        return found

    def total(self):
        return sum(int(a.replace(".", "")) for a in self.addends())

    def spoken_exercise(self, said, number):
        """The announcements of exercise `number` among what was said."""
        return [s for s in said if f"Oefening {number}:" in s]

    def expect_exercise(self, said, title, number, paid=False):
        spoken = self.spoken_exercise(said, number)
        lines = self.addends()
        ok = len(spoken) == 1 and bool(lines)
        if ok:
            # Each line after the one before, all after the exercise's number: an addend
            # such as "1" is found in "Oefening 1:" too.
            text = spoken[0]
            at = text.index(f"Oefening {number}:") + len(f"Oefening {number}:")
            for line in lines:
                found = text.find(line, at)
                ok = ok and found >= 0
                at = found + len(line)
        if ok and paid:
            ok = "Betaald:" in spoken[0]
        self.check(ok, f"{title}: exercise {number} said, its lines {lines} in order"
                   + (" and the amount paid" if paid else ""), said)

    def type_number(self, number):
        """Types a sum units first, as on paper."""
        self.keys(*reversed(str(number)))

    # ------------------------------------------------------------------------ the lesson
    def run(self):
        start_atspi_bus()
        self.start_orca()
        tree_map = TreeMap(self.args.map)
        self.counts = []
        said, seen = self.step("the window appears", lambda: self.start_program(tree_map),
                               at_least=3, until="Oefening 1:")
        self.expect_exercise(said, "start", 1)
        self.check(self.heard(said, "som, eenheden") and not self.heard(said, "Totaal"),
                   "start: the units box is named by its column", said)
        self.check(not self.heard(said, "Vul hier de som"), "start: no help unasked", said)

        right = self.total()
        said, seen = self.step("a wrong units digit", lambda: self.keys(str((right + 1) % 10)))
        self.check(sum("som, tientallen" in s for s in said) == 1 and
                   not self.heard(said, "Vul hier de som") and not self.heard(said, "In te vullen"),
                   "typing: the next box's column, once, and nothing more", said)
        said, seen = self.step("F2", lambda: self.keys("F2"), until="Som fout.")
        self.check(self.heard(said, "Som fout."), "F2: the check is said", said)
        # The pupil's file asks for Uitleg: the column to look at comes with the judgement.
        self.check(self.heard(said, "Som fout. Kijk nog eens naar de eenheden."),
                   "F2 with Uitleg: the column to look at is said with it", said)
        self.count("a check (F2)", seen)
        said, _ = self.step("F2 held for a second", self.hold_f2, until="Som fout.")
        self.check(sum("Som fout." in s for s in said) == 1, "F2 held: one check", said)
        said, _ = self.step("F2 repeated as presses and releases", lambda: subprocess.run(
            ["xdotool", "keydown", "F2", "keyup", "F2", "keydown", "F2", "keyup", "F2",
             "keydown", "F2", "keyup", "F2"], check=True))
        # How fast the pairs arrive depends on the machine and on Orca: shown, not judged.
        print(f"      F2 as press-release pairs: {sum('Som fout.' in s for s in said)} check(s)")
        said, _ = self.step("F1", lambda: self.keys("F1"), until="Vul hier de som in")
        self.check(self.heard(said, "Vul hier de som in"), "F1: the help of the focused box",
                   said)
        said, seen = self.step("F12 (show me)", lambda: self.keys("F12"), until=": schrijf ")
        self.check(any(re.search(r"\b\d+( \+ \d+)* = \d+: schrijf \d", s) or
                       re.search(r"\bAlleen \d+: schrijf \d", s) for s in said),
                   "F12: the units column worked out", said)
        self.count("show me (F12)", seen)
        self.step("F7 (clear the sum)", lambda: self.keys("F7"))
        self.step("the right sum", lambda: self.type_number(right))
        said, _ = self.step("F2", lambda: self.keys("F2"), until="Som goed.")
        self.check(self.heard(said, "Som goed."), "F2: a right sum is said right", said)
        said, seen = self.step("F3", lambda: self.keys("F3"), until="Oefening 2:")
        self.expect_exercise(said, "F3", 2)
        self.count("a new exercise (F3)", seen)

        said, _ = self.step("F9", lambda: self.keys("F9"), until="Flexibel Programma")
        self.check(self.heard(said, "Flexibel Programma"), "F9: the information panel's text",
                   said)
        self.step("Return (closes it)", lambda: self.keys("Return"))

        said, seen = self.step("Alt+H", lambda: self.keys("alt+h"), until="Oefening 1:")
        self.check(self.heard(said, "Hulpjes aangevinkt"), "Alt+H: the box and its state", said)
        self.expect_exercise(said, "Alt+H", 1)
        self.count("a settings change (Alt+H)", seen)
        said, seen = self.step("Alt+K", lambda: self.keys("alt+k"), until="Oefening 1:")
        self.check(self.heard(said, "Kasticket aangevinkt"), "Alt+K: the box and its state", said)
        self.expect_exercise(said, "Alt+K", 1, paid=True)
        self.count("a receipt (Alt+K)", seen)
        said, _ = self.step("Alt+P", lambda: self.keys("alt+p"), until="Oefening 1:")
        self.check(self.heard(said, "Portemonnee aangevinkt"), "Alt+P: the box and its state",
                   said)
        self.expect_exercise(said, "Alt+P", 1)
        due = self.program.node("Label3").name
        said, _ = self.step("F4", lambda: self.keys("F4"), at_least=2, until="Te betalen:")
        self.check(self.heard(said, f"Te betalen: {said_in_dutch(due)}"), "F4: the amount to pay",
                   said)
        said, _ = self.step("Right", lambda: self.keys("Right"))
        self.check(self.heard(said, "euro"), "Right: the next piece by its name", said)
        said, _ = self.step("Space", lambda: self.keys("space"), until="Betaald:")
        self.check(any(re.search(r"(biljet|munt) van \d+ (euro|cent) genomen\. Betaald: ", s)
                       for s in said), "Space: the piece taken and the amount so far", said)
        said, _ = self.step("F11", lambda: self.keys("F11"), until="Oefening 1:")
        self.expect_exercise(said, "F11 (the wallet closes)", 1, paid=True)
        said, _ = self.step("Alt+K", lambda: self.keys("alt+k"), until="Kasticket niet")
        self.check(self.heard(said, "Kasticket niet aangevinkt"), "Alt+K again: unticked", said)

        # A timed series of one minute.
        self.step("Alt+T, 1, Return", lambda: self.keys("alt+t", "1", "Return"))
        said, _ = self.step("F5 (START)", lambda: self.keys("F5"), until="Oefening 1:")
        self.expect_exercise(said, "START", 1)
        said, seen = self.step("the minute runs out", lambda: time.sleep(58), at_least=6,
                               until="Resultaten:")
        self.check(any(re.search(r"Resultaten: puntentotaal \d+ op \d+, \d+ %", s) for s in said),
                   "the end of the series: the results", said)
        # Every control of the exercise panel reports that it is disabled: more than Orca
        # holds. The results come with the focus on RESET, which a flood does not drop.
        self.count("the end of the series", seen, bounded=False)
        said, _ = self.step("Escape (RESET)", lambda: self.keys("Escape"), until="Oefening 1:")
        self.expect_exercise(said, "RESET", 1)

        print("events per action: " +
              ", ".join(f"{title} {n}" for title, n in self.counts))

    # ------------------------------------------------------------ in another language
    def run_heard(self):
        """The lesson in French (or German), as short as it can be: the exercise, a check
        box's state, a receipt heard in words, a coin taken from the wallet, the judgement
        and the results of a one-minute series, all heard in the language, and nothing
        handed to the voice that it would misread."""
        words = HEARD[self.args.language]
        start_atspi_bus()
        self.start_orca()
        tree_map = TreeMap(self.args.map)
        self.counts = []
        said, _ = self.step("the window appears", lambda: self.start_program(tree_map),
                            at_least=3)
        self.expect_heard_exercise(said, "start", words)
        said, _ = self.step("Alt+K", lambda: self.keys("alt+k"))
        self.check(self.heard_plain(said, words["ticked"].format(words["receipt"])),
                   "Alt+K: the box and its state", said)
        self.expect_heard_exercise(said, "Alt+K", words, receipt=True)
        self.check(any(re.search(words["paid"], plain(s)) for s in said),
                   "Alt+K: the amount paid in words", said)
        said, _ = self.step("Alt+P", lambda: self.keys("alt+p"))
        self.check(self.heard_plain(said, words["ticked"].format(words["wallet"])),
                   "Alt+P: the box and its state", said)
        total = self.expect_heard_exercise(said, "Alt+P", words, receipt=True)
        due = self.program.node("Label3").name
        said, _ = self.step("F4", lambda: self.keys("F4"), at_least=2)
        self.check(any(re.search(words["due"], plain(s)) for s in said), "F4: the amount to pay",
                   said)
        self.check(cents_of(due, words) == total,
                   f"the lines said add up to the amount to pay ({total} cents, {due} shown)", [])
        # Down goes from stack to stack, to the last (1 cent); Up to the 2 cents.
        self.step("Down to the cents", lambda: self.keys(*["Down"] * 16, "Up"))
        said, _ = self.step("Space", lambda: self.keys("space"))
        self.check(any(re.search(words["taken"], plain(s)) for s in said),
                   "Space: the cent coin taken, by its name", said)
        self.step("F11", lambda: self.keys("F11"))
        said, _ = self.step("F2", lambda: self.keys("F2"))
        self.check(self.heard_plain(said, words["judged"]), "F2: the judgement", said)
        # A series of one minute: while its clock ticks the window is never quiet.
        self.step("Alt+T, 1, Return", lambda: self.keys("alt+t", "1", "Return"))
        said, _ = self.step("F5 (START), the minute runs out",
                            lambda: self.run_series(words["results"]),
                            at_least=2)
        self.check(self.heard_plain(said, words["exercise"].format(1)), "START: the exercise said",
                   said)
        self.check(any(re.search(words["results"], plain(s)) for s in said),
                   "the end of the series: the results", said)
        self.expect_sent(words)

    def heard_plain(self, said, text):
        return any(text in plain(s) for s in said)

    def run_series(self, results):
        """START (F5), then the minute, until Orca says the results (or a while after)."""
        self.keys("F5")
        until = time.monotonic() + 75
        while time.monotonic() < until:
            if any(re.search(results, plain(s)) for s in self.speech.all()[-5:]):
                return
            pump(0.2)

    def receipt_lines(self):
        """Each receipt line's quantity as the screen shows it, and the line as said."""
        lines = []
        for r in range(1, 13):
            price = self.program.node(f"Prijs{r}")
            if "showing" in states_of(price):
                quantity = self.program.node(f"Aantal{r}").name
                lines.append((quantity.split()[0], price.name))
        return lines

    def expect_heard_exercise(self, said, title, words, receipt=False):
        """The exercise said once; a receipt's lines in order, in words, each with the
        quantity the screen shows. Returns the lines' amounts together, in cents."""
        header = words["exercise"].format(1)
        spoken = [plain(s) for s in said if header in plain(s)]
        ok = len(spoken) == 1
        total = 0
        if ok and receipt:
            line = re.compile(rf"({words['quantity']}) .+ ({words['amount']})")
            at = spoken[0].index(header) + len(header)
            for shown_quantity, name in self.receipt_lines():
                m = line.fullmatch(name)
                ok = m is not None and spoken[0].find(name, at) >= 0
                ok = ok and number_of(m.group(1), words) == shown_quantity
                if not ok:
                    break
                at = spoken[0].find(name, at) + len(name)
                total += cents_of(m.group(2), words)
        self.check(ok, f"{title}: the exercise said" +
                   (", each receipt line in words, its quantity as shown" if receipt else ""),
                   said)
        return total

    def expect_sent(self, words):
        """What Orca handed speech-dispatcher: all in the language, nothing misread."""
        try:
            with open(os.path.join(self.args.work, "ssip.log"), encoding="utf-8") as f:
                records = [r.split("\t", 1) for r in f.read().split("\x1e")[:-1]]
        except FileNotFoundError:
            records = []
        sent = [(language, re.sub(r"<[^>]*>", "", text)) for language, text in records]
        sent = [(language, html.unescape(text)) for language, text in sent]
        print(f"--- sent to speech-dispatcher: {len(sent)} texts")
        self.check(len(sent) > 20, "speech-dispatcher was handed the lesson", [])
        other = sorted({language for language, _ in sent
                        if not language.startswith(self.args.language)})
        self.check(not other, f"every text in {self.args.language} ({other or 'none other'})",
                   [])
        for pattern in words["never"]:
            bad = [text for _, text in sent if re.search(pattern, text)]
            self.check(not bad, f"nothing sent matches {pattern!r}", bad)
        lines = [name for _, name in self.receipt_lines()]
        self.check(all(any(line in plain(text) for _, text in sent) for line in lines),
                   "the receipt's lines in words were sent", lines)

    def start_program(self, tree_map):
        self.program = Program(self.args.program, tree_map,
                               os.path.join(self.args.work, "program.log"), active=True)

    def hold_f2(self):
        subprocess.run(["xdotool", "keydown", "F2"], check=True)
        time.sleep(1)
        subprocess.run(["xdotool", "keyup", "F2"], check=True)

    def stop(self):
        for p in (self.program,):
            if p is not None:
                p.stop()
        for p in (self.orca, self.speechd, getattr(self, "wm", None)):
            if p is not None and p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--map", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--language", default="nl")
    args = parser.parse_args()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    lesson = Lesson(args)
    try:
        if args.language == "nl":
            lesson.run()
        else:
            lesson.run_heard()
    except Failure as e:
        print(f"FAIL setting up: {e}")
        return 1
    finally:
        lesson.stop()
    return 1 if lesson.failures else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Start-up benchmark: how long programs take from exec until their window is drawn.

    startup.py [--runs N] [--quiet-ms MS] [--timeout S] [--wrap CMD] [-v]
               NAME=PROGRAM [NAME=PROGRAM ...]

Starts one Xvfb for the whole run and watches it as a second X client; the programs
need no change. The programs run in turn, one at a time, N runs each, after one
unmeasured warm-up run each (page cache, font cache). For every run:

- exec: the time just before the program is spawned with DISPLAY set;
- map: the MapNotify of the first top-level window mapped after that (no window manager
  runs, so top-level windows are children of the root, which the driver watches for
  SubstructureNotify);
- first frame: every top-level window the program creates gets a DAMAGE object at its
  CreateNotify, before it is mapped or drawn; the time of the last damage event on the
  mapped window before it stays quiet for --quiet-ms ("settled") is the time of the
  first complete frame, so a window drawn in several flushes counts when its last one
  lands. Keep --quiet-ms below 500: a text cursor blinks every 500 ms and would
  otherwise never let the window settle;
- RSS: VmRSS from /proc/PID/status once settled;
- CPU: the processor time all the program's threads had used once settled
  (/proc/PID/task/*/schedstat). Unlike the times above it hardly grows when other
  programs keep the machine busy, so it is the figure to compare under load;
- page faults: the minor page faults of the process until settled (/proc/PID/stat),
  mostly fresh memory touched for the first time.
Then the program is terminated and waited for. Times are taken by this driver as it
receives the events (monotonic clock), so they include the few tens of microseconds the
events take to reach it, alike for every program.

It prints the medians (and the range) of every program, and the ratio of every later
program's medians to the first one's.

--wrap runs every program under a command, for a profile of start-up up to the first
frame, for example (the warm-up run writes a profile too):

    startup.py --runs 1 --timeout 300 --quiet-ms 450 \
        --wrap "valgrind --tool=callgrind --callgrind-out-file=/tmp/start.%p" quorvel=...
    callgrind_annotate --inclusive=yes /tmp/start.NNN | head -80

A sampling profile needs no wrapper: perf follows the children of the driver.

    perf record -e cpu-clock -F 10000 -g -o start.data -- startup.py --runs 20 quorvel=...
    perf report -i start.data --comm quorvel --sort dso

Needs the Debian packages xvfb and python3-xlib.
"""

import argparse
import os
import select
import signal
import statistics
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import damage



class Xvfb:
    """One Xvfb on a free display number, for the whole benchmark."""

    def __init__(self):
        read_fd, write_fd = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        if not number:
            raise SystemExit("startup.py: Xvfb did not start")
        self.name = ":" + number

    def stop(self):
        self.process.terminate()
        self.process.wait()


class Watcher:
    """The driver's own X connection: sees top-level windows come, map and get drawn."""

    def __init__(self, name):
        self.display = display.Display(name)
        if not self.display.has_extension("DAMAGE"):
            raise SystemExit("startup.py: the X server has no DAMAGE extension")
        self.display.damage_query_version()
        self.damage_event = self.display.extension_event.DamageNotify
        # A window may be gone before its damage object is made; that is no fault here.
        self.display.set_error_handler(lambda *args: None)
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()

    def events(self, timeout):
        """The events that arrive within `timeout` seconds, each with its arrival time."""
        ready, _, _ = select.select([self.display.fileno()], [], [], timeout)
        if not ready and not self.display.pending_events():
            return []
        received = []
        while self.display.pending_events():
            received.append((self.display.next_event(), time.monotonic()))
        return received

    def drain(self):
        self.display.sync()
        while self.display.pending_events():
            self.display.next_event()


def rss_mib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def cpu_ms(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/schedstat") as f:
            total += int(f.read().split()[0])
    return total / 1e6


def minor_faults(pid):
    with open(f"/proc/{pid}/stat") as f:
        # The fields after the command name, which may hold spaces, start with the state.
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[7])


def measure(watcher, env, argv, quiet_s, timeout_s=20.0):
    """One run: (ms to map, ms to first frame, RSS MiB, CPU ms, page faults, damage events,
    window size)."""
    watcher.drain()
    start = time.monotonic()
    program = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        window = None
        mapped_at = None
        sizes = {}
        last_damage = {}
        damages = {}
        while True:
            now = time.monotonic()
            if window is not None and window in last_damage and \
                    now - last_damage[window] >= quiet_s:
                break
            if now - start > timeout_s:
                raise RuntimeError(f"{argv[0]}: no settled window within {timeout_s} s")
            if program.poll() is not None:
                raise RuntimeError(f"{argv[0]}: exited with {program.returncode}")
            for event, at in watcher.events(0.01):
                if event.type == X.CreateNotify and event.parent == watcher.root:
                    event.window.damage_create(damage.DamageReportRawRectangles)
                    watcher.display.flush()
                    sizes[event.window.id] = (event.width, event.height)
                elif event.type == X.MapNotify and window is None and \
                        not event.override:
                    window, mapped_at = event.window.id, at
                elif event.type == watcher.damage_event:
                    last_damage[event.drawable.id] = at
                    damages[event.drawable.id] = damages.get(event.drawable.id, 0) + 1
        rss, cpu, faults = rss_mib(program.pid), cpu_ms(program.pid), minor_faults(program.pid)
        return ((mapped_at - start) * 1000.0, (last_damage[window] - start) * 1000.0, rss, cpu,
                faults, damages[window], sizes.get(window, (0, 0)))
    finally:
        program.send_signal(signal.SIGTERM)
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--runs", type=int, default=10, help="measured runs per program")
    parser.add_argument("--quiet-ms", type=float, default=300.0,
                        help="no drawing for this long counts as settled")
    parser.add_argument("--timeout", type=float, default=20.0,
                        help="seconds a run may take to settle")
    parser.add_argument("--wrap", default="",
                        help="command to start every program under, such as a profiler")
    parser.add_argument("-v", "--verbose", action="store_true", help="print every run")
    parser.add_argument("programs", nargs="+", metavar="NAME=PROGRAM")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs must be at least 1")
    programs = []
    for given in args.programs:
        name, _, path = given.partition("=")
        if not path or not os.access(path, os.X_OK):
            parser.error(f"not NAME=executable: {given}")
        programs.append((name, args.wrap.split() + [os.path.abspath(path)]))

    server = Xvfb()
    try:
        watcher = Watcher(server.name)
        env = dict(os.environ, DISPLAY=server.name, QT_QPA_PLATFORM="xcb")
        results = {name: [] for name, _ in programs}
        for run in range(args.runs + 1):
            for name, argv in programs:
                result = measure(watcher, env, argv, args.quiet_ms / 1000.0, args.timeout)
                if args.verbose:
                    print(f"{'warm-up' if run == 0 else f'run {run}':>8} {name:<12} "
                          f"map {result[0]:7.1f} ms  frame {result[1]:7.1f} ms  "
                          f"RSS {result[2]:5.1f} MiB  CPU {result[3]:6.1f} ms  "
                          f"{result[4]:5d} page faults  {result[5]:3d} damage events  "
                          f"window {result[6][0]}x{result[6][1]}",
                          flush=True)
                if run > 0:
                    results[name].append(result)
    finally:
        server.stop()

    # Title, unit and decimals of every figure, in the order measure() returns them.
    columns = [("exec to map", "ms", 1), ("exec to first frame", "ms", 1),
               ("RSS settled", "MiB", 1), ("CPU until settled", "ms", 1), ("page faults", "", 0)]

    def medians(name):
        return [statistics.median(r[i] for r in results[name]) for i in range(len(columns))]

    def cell(name, i):
        values = [r[i] for r in results[name]]
        _, unit, digits = columns[i]
        text = f"{statistics.median(values):.{digits}f} {unit}".rstrip()
        return f"{text:>10} ({min(values):.{digits}f}-{max(values):.{digits}f})"

    print(f"\nStart-up under Xvfb, {args.runs} runs each, medians (range), settled after "
          f"{args.quiet_ms:.0f} ms without drawing:")
    print((f"{'':<20}" + "".join(f"{title:<26}" for title, _, _ in columns)).rstrip())
    for name, _ in programs:
        print((f"{name:<20}" + "".join(f"{cell(name, i):<26}" for i in range(len(columns))))
              .rstrip())
    reference = programs[0][0]
    for name, _ in programs[1:]:
        ratios = [m / r for m, r in zip(medians(name), medians(reference))]
        print((f"{name + ' / ' + reference:<20}" + "".join(f"{q:>7.2f}{'':<19}" for q in ratios))
              .rstrip())

if __name__ == "__main__":
    try:
        main()
    except RuntimeError as error:
        sys.exit(f"startup.py: {error}")

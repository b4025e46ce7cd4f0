#!/usr/bin/python3
"""KORA through the real accessibility bus, as a screen reader sees it.

Starts, in a temporary folder, an X server of its own (Xvfb), a session bus,
the accessibility bus (at-spi2-core) and the program, and then through
AT-SPI (python3-pyatspi): reads the voltmeter, removes the task page with
its press action, sets the source voltage to 0 V through the Value
interface and sees the reading change with its text-changed event, presses
"Auswertung", reads the evaluation's first prompt, chooses a sensor type and
finds the equation box named by its shown left-hand side. The task page, the
source voltage control and the prompt are read as a screen reader reads
them, piece by piece, and each kind of piece must add up to the whole text. Everything it started
is ended by its id, also when a step fails; then it prints the tree it saw.

    /usr/bin/python3 tests/app/test_atspi_bus.py build/default/src/app/kora
"""

import importlib.util
import os
import re
import select
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

TITLE = "KORA - Temperatursensoren als Zweipol"
FIRST_PROMPT = "\n".join([
    "So, Sie glauben also, fertig zu sein.",
    "Dann wollen wir sehen.",
    "",
    "Verraten Sie mir zunächst,",
    "welchen Sensortyp Sie hier vermuten.",
    "Suchen Sie einen aus der Liste aus",
    "und bestätigen Sie mit OK",
])
# Generous: the sanitizer build starts slowly.
PATIENCE = 60.0
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


# What ctest counts as skipped (SKIP_RETURN_CODE).
SKIPPED = 77


class Failed(Exception):
    pass


class Skipped(Exception):
    """A tool that the run needs cannot start on this machine."""


class Session:
    """The processes of one run, each in a process group of its own, and
    a marker in their environment that the helpers they start inherit."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="kora-atspi-")
        self.marker = "KORA_ATSPI_RUN=" + self.folder
        runtime = os.path.join(self.folder, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = {
            "PATH": "/usr/bin:/bin:/usr/sbin:/sbin",
            "HOME": self.folder,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(self.folder, "config"),
            "XDG_DATA_HOME": os.path.join(self.folder, "data"),
            "XDG_CACHE_HOME": os.path.join(self.folder, "cache"),
            "KORA_ATSPI_RUN": self.folder,
        }
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                self.env[name] = os.environ[name]
        self.processes = []

    def start(self, args, extra=None, pass_fds=(), log=None):
        env = dict(self.env, **(extra or {}))
        out = open(os.path.join(self.folder, log), "wb") if log else subprocess.DEVNULL
        p = subprocess.Popen(args, env=env, cwd=self.folder, stdin=subprocess.DEVNULL, stdout=out,
                             stderr=subprocess.STDOUT if log else subprocess.DEVNULL,
                             pass_fds=pass_fds, start_new_session=True)
        if log:
            out.close()
        self.processes.append(p)
        return p

    def ours(self):
        """Ids of the processes still running with this run's marker."""
        found = []
        marker = self.marker.encode()
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or int(entry) == os.getpid():
                continue
            try:
                with open("/proc/%s/environ" % entry, "rb") as f:
                    if marker in f.read().split(b"\0"):
                        found.append(int(entry))
            except OSError:
                pass
        return found

    def end(self):
        for p in reversed(self.processes):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for p in reversed(self.processes):
            try:
                p.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
        # Helpers that left their group (the accessibility bus and its
        # registry), found by the marker they inherited.
        deadline = time.monotonic() + 5
        while self.ours() and time.monotonic() < deadline:
            for pid in self.ours():
                try:
                    os.kill(pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
            time.sleep(0.2)
        for pid in self.ours():
            os.kill(pid, signal.SIGKILL)
        left = self.ours()
        shutil.rmtree(self.folder, ignore_errors=True)
        return left

    def log(self, name):
        try:
            with open(os.path.join(self.folder, name), "rb") as f:
                return f.read().decode(errors="replace")
        except OSError:
            return ""


def read_line_from(fd, what, timeout=PATIENCE):
    data = b""
    deadline = time.monotonic() + timeout
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            raise Failed("%s did not start in time" % what)
        chunk = os.read(fd, 256)
        if not chunk:
            raise Failed("%s ended before it was ready" % what)
        data += chunk
    os.close(fd)
    return data.decode().strip()


def x_accepts(number):
    """Whether the X server of this display accepts a client on the socket
    that libxcb tries first, the abstract one: the greeting of the X
    protocol (little-endian, version 11.0, no authorisation) is answered
    with success."""
    try:
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
            s.settimeout(5)
            s.connect("\0/tmp/.X11-unix/X%d" % number)
            s.sendall(struct.pack("<cxHHHHxx", b"l", 11, 0, 0, 0))
            return s.recv(1) == b"\x01"
    except OSError:
        return False


def start_x(session):
    """An X server of this run's own. Xvfb picks a free display itself and
    writes its number once it listens; the check that it answers a client
    on the socket libxcb tries first follows. Without -noreset the server
    would reset when its last client leaves (the probe, or the accessibility
    bus launcher, which stores its address on the root window), and a
    program that connects during the reset is turned away."""
    r, w = os.pipe()
    session.start(["Xvfb", "-displayfd", str(w), "-noreset", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                  pass_fds=(w,), log="xvfb.log")
    os.close(w)
    number = int(read_line_from(r, "Xvfb"))
    deadline = time.monotonic() + PATIENCE
    while not x_accepts(number):
        if time.monotonic() > deadline:
            raise Failed("Xvfb on :%d accepts no client" % number)
        time.sleep(0.1)
    session.env["DISPLAY"] = ":%d" % number


def start_buses(session):
    start_x(session)

    r, w = os.pipe()
    session.start(["dbus-daemon", "--session", "--nofork",
                   "--address=unix:path=" + os.path.join(session.folder, "bus"), "--print-address=%d" % w],
                  pass_fds=(w,))
    os.close(w)
    session.env["DBUS_SESSION_BUS_ADDRESS"] = read_line_from(r, "dbus-daemon")

    session.start([LAUNCHER, "--launch-immediately"])
    deadline = time.monotonic() + PATIENCE
    while subprocess.call(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                           "org.a11y.Bus.GetAddress"], env=session.env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL) != 0:
        if time.monotonic() > deadline:
            raise Failed("the accessibility bus did not start")
        time.sleep(0.1)


class Bus:
    """The program's tree through pyatspi, and the events it sends."""

    def __init__(self, pid):
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.pid = pid
        self.events = []
        self.app = None
        self.listening = False

    def listen(self):
        """(Again) asks for the text-changed events: a program that is still
        setting up its bridge may miss the registry's word of a listener."""
        kind = "object:text-changed:insert"
        if self.listening:
            self.pyatspi.Registry.deregisterEventListener(self.events.append, kind)
        self.pyatspi.Registry.registerEventListener(self.events.append, kind)
        self.listening = True

    def wait_for_meter_events(self, source):
        """The program sends only the events that a listener has asked for;
        the source is set back and forth until a change of the voltmeter
        arrives, which proves that it knows of ours."""
        deadline = time.monotonic() + PATIENCE
        volts = 11
        while not any(self.is_meter(e.source) for e in self.events):
            if time.monotonic() > deadline:
                raise Failed("text-changed event of the voltmeter")
            self.listen()
            for _ in range(3):
                source.queryValue().currentValue = volts
                volts = 23 - volts
                self.pump(0.5)
        self.events.clear()

    def as_screen_reader(self, call):
        """call(), made from inside the accessibility library's main loop,
        where a screen reader makes its calls: there the library answers
        from what it has cached of each object, and only the program's
        events keep that up to date."""
        from gi.repository import GLib
        result, late = [], []

        def once():
            try:
                result.append(call())
            except Exception as e:  # raised again below, outside the loop
                result.append(e)
            self.pyatspi.Registry.stop()
            return False

        def too_long():
            late.append(True)
            self.pyatspi.Registry.stop()
            return False

        GLib.idle_add(once)
        limit = GLib.timeout_add_seconds(int(PATIENCE), too_long)
        self.pyatspi.Registry.start()
        if not late:
            GLib.source_remove(limit)
        if not result:
            raise Failed("the accessibility library's main loop did not run a call")
        if isinstance(result[0], Exception):
            raise result[0]
        return result[0]

    def pump(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while self.context.iteration(False):
                pass
            time.sleep(0.02)

    def until(self, what, test, timeout=PATIENCE):
        deadline = time.monotonic() + timeout
        while True:
            try:
                found = test()
            except Exception:  # the tree changes under our feet while a window opens
                found = None
            if found:
                return found
            if time.monotonic() > deadline:
                raise Failed("no " + what)
            self.pump(0.1)

    def find_app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            if a is not None and a.get_process_id() == self.pid:
                self.app = a
                return a
        return None

    def find(self, root, name, role):
        if root is None:
            return None
        if root.name == name and root.getRoleName() == role:
            return root
        for i in range(root.childCount):
            hit = self.find(root.getChildAtIndex(i), name, role)
            if hit is not None:
                return hit
        return None

    @staticmethod
    def is_meter(acc):
        return acc is not None and acc.name == "Voltmeter" and acc.getRoleName() == "text"

    def showing(self, acc):
        return acc.getState().contains(self.pyatspi.STATE_SHOWING)

    def press(self, acc):
        action = acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        for wanted in ("Press", "Toggle"):
            if wanted in names:
                action.doAction(names.index(wanted))
                return
        raise Failed("%s offers no press action, only %s" % (acc.name, names))

    def dump(self, acc=None, depth=0, out=None):
        out = [] if out is None else out
        acc = self.app if acc is None else acc
        if acc is None or depth > 8:
            return out
        try:
            line = "%s%s [%s]" % ("  " * depth, acc.name, acc.getRoleName())
            try:
                line += " text=%r" % acc.queryText().getText(0, -1)
            except Exception:
                pass
            try:
                line += " value=%r" % acc.queryValue().currentValue
            except Exception:
                pass
            if acc.description:
                line += " description=%r" % acc.description
            if not self.showing(acc):
                line += " (not showing)"
            out.append(line)
            for i in range(acc.childCount):
                self.dump(acc.getChildAtIndex(i), depth + 1, out)
        except Exception as e:
            out.append("%s(unreadable: %s)" % ("  " * depth, e))
        return out


def text_of(acc):
    return acc.queryText().getText(0, -1)


def check_text(bus, acc, unit=""):
    """A screen reader seldom asks for the whole text: it asks for the
    character, word, sentence or line at an offset, and builds what it
    speaks from the attribute runs. Each kind of piece, read from the
    start on, must give the whole text, the last character included; at
    the end the last word, sentence and line are still there. A reading
    that moves on while it is checked is checked again."""
    for _ in range(10):
        shown = text_of(acc)
        fault = text_fault(bus, acc.queryText(), shown, unit)
        if fault is None:
            return
        if text_of(acc) == shown:
            raise Failed("%s %r: %s" % (acc.name, shown, fault))
    raise Failed("%s changes faster than it can be read" % acc.name)


def text_fault(bus, text, shown, unit):
    P = bus.pyatspi
    n = text.characterCount
    # Characters, not the bytes of UTF-8 (the "°" takes two).
    if n != len(shown) or not 0 <= text.caretOffset <= n:
        return "%d characters, caret at %d" % (n, text.caretOffset)
    pieces = {"attribute runs": lambda o: text.getAttributeRun(o, False)[1:]}
    for name in ("CHAR", "WORD_START", "SENTENCE_START", "LINE_START"):
        boundary = getattr(P, "TEXT_BOUNDARY_" + name)
        pieces[name] = lambda o, b=boundary: text.getTextAtOffset(o, b)[1:]
    for name, at in pieces.items():
        offset, cut = 0, []
        while offset < n:
            start, end = at(offset)
            if not start <= offset < end <= n:
                return "%s at %d span %d..%d" % (name, offset, start, end)
            cut.append(shown[start:end])
            offset = end
        if "".join(cut) != shown:
            return "%s give %r" % (name, cut)
    if n and text.getTextBeforeOffset(n, P.TEXT_BOUNDARY_CHAR)[0] != shown[-1]:
        return "the character before the end is not the last one"
    # What a screen reader asks a reading for: the line, word or sentence at
    # the start, in the middle and at the end, each ending as the text does.
    for name in ("LINE_START", "LINE_END", "WORD_START", "WORD_END", "SENTENCE_START", "SENTENCE_END"):
        for offset in (0, n // 2, n) if unit else (n,):
            got = text.getTextAtOffset(offset, getattr(P, "TEXT_BOUNDARY_" + name))[0]
            if not shown.endswith(got) or not got.endswith(unit) or not (got or shown.endswith("\n")):
                return "%s at %d is %r" % (name, offset, got)
    return None


def run(bus, reading):
    """The student's way, step by step; each step raises Failed with what it missed."""
    frame = bus.until("frame \"%s\"" % TITLE, lambda: bus.find_app() and bus.find(bus.app, TITLE, "frame"))
    meter = bus.until("voltmeter", lambda: bus.find(frame, "Voltmeter", "text"))
    shown = text_of(meter)
    if not reading.fullmatch(shown):
        raise Failed("the voltmeter shows %r, no reading" % shown)

    page = bus.find(frame, "Aufgabenstellung", "document frame")
    if page is None or "<<Start durch Doppelklick>>" not in text_of(page):
        raise Failed("no task page with its text")
    check_text(bus, page)
    bus.press(page)
    bus.until("bench behind the task page", lambda: not bus.showing(page))
    pressed_page = time.monotonic()

    source = bus.find(frame, "Quellspannung einstellen", "spin button")
    if source is None or source.queryValue().currentValue != 10:
        raise Failed("no source voltage control at 10 V")
    bus.wait_for_meter_events(source)
    source.queryValue().currentValue = 0
    zero = re.compile(r"00[,.]00 V")
    event = bus.until("event with the reading at 0 V",
                      lambda: next((e for e in bus.events if bus.is_meter(e.source) and zero.fullmatch(e.any_data)),
                                   None))
    if text_of(meter) != event.any_data:
        raise Failed("the voltmeter reads %r after its event said %r" % (text_of(meter), event.any_data))
    if text_of(source) != "0 V":
        raise Failed("the source voltage control says %r, not '0 V'" % text_of(source))
    check_text(bus, source)

    # The bench takes no clicks for the double-click interval after the page.
    time.sleep(max(0.0, pressed_page + 1.0 - time.monotonic()))
    bus.press(bus.find(frame, "Auswertung", "push button"))
    evaluation = bus.until("evaluation window",
                           lambda: bus.find(bus.app, TITLE + " - Auswertung", "frame"))
    prompt = bus.until("message of the evaluation", lambda: bus.find(evaluation, "Meldung", "label"))
    if text_of(prompt) != FIRST_PROMPT:
        raise Failed("the evaluation's first prompt reads %r" % text_of(prompt))
    check_text(bus, prompt)

    # The right type chosen in the list, then OK: the equation box is named
    # by the left-hand side the student sees before it.
    sensors = bus.until("list of sensor types", lambda: bus.find(evaluation, "Sensortypen", "list"))
    choose(bus, sensors, 0)
    ok = bus.until("OK after the choice", lambda: visible(bus, bus.find(evaluation, "OK", "push button")))
    bus.press(ok)
    side = bus.until("left-hand side of the equation",
                     lambda: visible(bus, bus.find(evaluation, "Linke Seite", "label")))
    shown = bus.until("left-hand side's text", lambda: text_of(side) if text_of(side) != "Linke Seite" else None)
    if bus.until("equation box named %r" % shown, lambda: visible(bus, bus.find(evaluation, shown, "text"))) is None:
        raise Failed("no equation box named %r" % shown)


def visible(bus, acc):
    return acc if acc is not None and bus.showing(acc) else None


def choose(bus, sensors, row):
    """Selects a list entry as a screen reader does: through the list's
    Selection interface, or else with the entry's own action."""
    try:
        if sensors.querySelection().selectChild(row):
            return
    except NotImplementedError:
        pass
    bus.press(sensors.getChildAtIndex(row))


def session_main(steps, passed, prepare=None):
    """Starts the buses and the program given on the command line, runs
    steps(bus) and tells what happened; ends everything it started.
    prepare(session), when given, starts what else the run needs once the
    buses are up and before the program; it raises Skipped where that
    cannot start here."""
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    program = os.path.abspath(sys.argv[1])
    missing = [tool for tool in ("Xvfb", "dbus-daemon", "dbus-send") if shutil.which(tool) is None]
    if not os.access(LAUNCHER, os.X_OK):
        missing.append(LAUNCHER)
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("pyatspi for %s (Debian's python3-pyatspi serves /usr/bin/python3)" % sys.executable)
    if missing:
        print("FAIL: missing %s (scripts/setup installs them)" % ", ".join(missing))
        return 1
    session = Session()
    bus = None
    result = 1
    try:
        start_buses(session)
        for name in ("AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            os.environ.pop(name, None)
        os.environ.update({k: session.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})
        if prepare is not None:
            prepare(session)
        kora = session.start([program], log="kora.log", extra={
            "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
            "LANG": "de_DE.UTF-8", "LANGUAGE": "de"})
        bus = Bus(kora.pid)
        steps(bus)
        print("PASS: " + passed)
        result = 0
    except Skipped as e:
        print("SKIP: %s" % e)
        result = SKIPPED
    except Failed as e:
        print("FAIL: %s" % e)
        if bus is not None:
            print("The tree as the bus showed it:")
            print("\n".join(bus.dump() or ["(the program never appeared on the bus)"]))
        print("The program's output:\n" + session.log("kora.log"))
        print("The X server's output:\n" + session.log("xvfb.log"))
    finally:
        left = session.end()
    if left:
        print("FAIL: processes %s outlived the run" % left)
        return 1
    return result


def main():
    return session_main(lambda bus: run(bus, re.compile(r"\d\d[,.]\d\d V")),
                        "voltmeter read, 0 V set through the Value interface with its event, "
                        "evaluation opened, its first prompt read, the equation box named by its label")


if __name__ == "__main__":
    sys.exit(main())

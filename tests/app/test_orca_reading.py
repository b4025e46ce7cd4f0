#!/usr/bin/python3
"""The bench as a blind student hears it: Debian's Orca screen reader, its
speech through speech-dispatcher and espeak-ng into ALSA's null device, and
what it said read back from its debug file.

On the buses of the accessibility tests (an X server, a session bus and the
accessibility bus of this run's own, in a temporary folder with its own HOME
and XDG folders, so that neither Orca's nor speech-dispatcher's settings
touch the machine's), it starts speech-dispatcher, Orca and the program;
presses Space on the task page and then Tab through the bench, and must hear
the voltmeter's number with its unit "V" or "mV" and the sensor temperature
with "°C", and the whole new reading when the range changes while the
voltmeter has the focus; then it presses "Auswertung" and must hear the
evaluation's first message. Where Orca or speech-dispatcher cannot start here, the test is
skipped and says why.

    /usr/bin/python3 tests/app/test_orca_reading.py build/default/src/app/kora
"""

import os
import re
import shutil
import sys
import time

from test_atspi_bus import FIRST_PROMPT, TITLE, Failed, Skipped, session_main
from test_atspi_reading import tab_to

SPACE = 0x20  # the X keysym
# Orca's own start is slow under load; a missing word is known after this.
PATIENCE = 60.0
# Orca's debug file: entries that begin with their time, an utterance among
# them as its text in quotes, then the voice it is spoken in. A message of
# several lines spans as many lines of the file.
ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ", re.MULTILINE)
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)?(?:\{.*\}|None)?\s*", re.DOTALL)

# speech-dispatcher of this run: its socket in the run's folder, espeak-ng
# speaking into ALSA's null device, so that nothing is heard on the machine.
SPEECHD_CONF = """\
CommunicationMethod "unix_socket"
SocketPath "{socket}"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" ""
DefaultModule espeak-ng
"""


class Orca:
    """Speech-dispatcher and Orca, started on the session's buses."""

    def __init__(self):
        self.session = None
        self.debug = None
        self.said = 0

    def start(self, session):
        self.session = session
        missing = [tool for tool in ("orca", "speech-dispatcher") if shutil.which(tool) is None]
        if missing:
            raise Skipped("%s not installed (scripts/setup installs them)" % " and ".join(missing))
        folder = session.folder
        socket = os.path.join(folder, "speechd.sock")
        conf = os.path.join(folder, "speechd")
        os.makedirs(os.path.join(conf, "modules"))
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write(SPEECHD_CONF.format(socket=socket))
        session.start(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", conf,
                       "--communication-method", "unix_socket", "--socket-path", socket,
                       "--pid-file", os.path.join(folder, "speechd.pid")], log="speechd.log")
        deadline = time.monotonic() + PATIENCE
        while not os.path.exists(socket):
            if time.monotonic() > deadline:
                raise Skipped("speech-dispatcher did not start: %s" % session.log("speechd.log").strip())
            time.sleep(0.1)

        prefs = os.path.join(folder, "orca")
        os.mkdir(prefs)
        self.debug = os.path.join(folder, "orca-debug.out")
        # English messages and role names; settings in memory only.
        self.process = session.start(["orca", "--replace", "--user-prefs", prefs, "--debug-file", self.debug],
                                     log="orca.log", extra={
                                         "LANG": "C.UTF-8", "LANGUAGE": "en", "GSETTINGS_BACKEND": "memory",
                                         "SPEECHD_ADDRESS": "unix_socket:" + socket})
        if not self.hear("Orca's start", lambda said: "Screen reader on." in said, skip=True):
            raise Skipped("Orca did not start: %s" % (session.log("orca.log").strip()[-2000:] or "no word"))

    def spoken(self):
        try:
            with open(self.debug, encoding="utf-8", errors="replace") as f:
                entries = ENTRY.split(f.read())
        except OSError:
            return []
        # The file indents each further line of an entry.
        return [m.group(1).replace("\n" + " " * 18, "\n") for m in map(SPOKEN.fullmatch, entries) if m]

    def hear(self, what, test, skip=False, timeout=PATIENCE):
        """Waits until the utterances since the last call pass test(list);
        returns them, or raises Failed (or returns None when skip)."""
        deadline = time.monotonic() + timeout
        while True:
            said = self.spoken()[self.said:]
            if test(said):
                self.said += len(said)
                return said
            if self.process.poll() is not None or time.monotonic() > deadline:
                if skip:
                    return None
                raise Failed("Orca did not say %s; it said %r" % (what, said))
            time.sleep(0.2)


def key(bus, sym):
    bus.pyatspi.Registry.generateKeyboardEvent(sym, None, bus.pyatspi.KEY_SYM)


def after(said, name, value):
    """Whether an utterance that matches value follows the one that names
    the control."""
    named = [i for i, s in enumerate(said) if s.startswith(name)]
    return any(value.fullmatch(s) for i in named[:1] for s in said[i + 1:])


def run(bus, orca):
    frame = bus.until("frame \"%s\"" % TITLE, lambda: bus.find_app() and bus.find(bus.app, TITLE, "frame"))
    page = bus.until("task page", lambda: bus.find(frame, "Aufgabenstellung", "document frame"))
    # A click into the window's empty top right corner makes it the active
    # one, as a window manager would on a desktop; Orca follows only the
    # active window.
    box = frame.queryComponent().getExtents(bus.pyatspi.DESKTOP_COORDS)
    bus.pyatspi.Registry.generateMouseEvent(box.x + box.width - 4, box.y + 4, "b1c")
    orca.hear("the task page", lambda said: any(s.startswith("Aufgabenstellung") for s in said))
    key(bus, SPACE)
    bus.until("bench behind the task page", lambda: not bus.showing(page))

    tab_to(bus, frame, "Sensortemperatur", "text", 3)
    orca.hear("the sensor temperature with its unit",
              lambda said: after(said, "Sensortemperatur", re.compile(r"-?\d+(,\d)? °C\.?")))
    tab_to(bus, frame, "Voltmeter", "text", 2)
    orca.hear("the voltmeter's reading with its unit",
              lambda said: after(said, "Voltmeter", re.compile(r"\d+,\d+ m?V\.?")))

    # A new reading of the focused voltmeter is spoken whole: the range set
    # to 200 V from elsewhere, as the meter moves on by itself.
    bus.find(frame, "Messbereich", "spin button").queryValue().currentValue = 0
    orca.hear("the voltmeter's new reading in the 200 V range",
              lambda said: any(re.fullmatch(r"\d{3},\d V\.?", s) for s in said))

    tab_to(bus, frame, "Auswertung", "push button", 12)
    key(bus, SPACE)
    orca.hear("the evaluation's first message", lambda said: FIRST_PROMPT + "." in said or FIRST_PROMPT in said)


def main():
    orca = Orca()
    return session_main(lambda bus: run(bus, orca), "Orca says the readings with their units and the "
                        "evaluation's first message", prepare=orca.start)


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""The bench's readings as a screen reader meets them on the real
accessibility bus: the task page says which keys start; Tab, typed through
the X server, reaches the sensor temperature after the set point and the
voltmeter after the range control; each reading's characters have extents
inside the window, where a screen reader's review looks for them; a change
of the focused voltmeter raises its text event; and no name of the bench
repeats the value that is spoken after it.

    /usr/bin/python3 tests/app/test_atspi_reading.py build/default/src/app/kora
"""

import re
import sys

from test_atspi_bus import TITLE, Failed, session_main, text_of

TAB = 0xFF09  # the X keysym
VOLTS = re.compile(r"\d{2,3}[,.]\d{1,2} V")


def focused(bus, acc):
    return acc.getState().contains(bus.pyatspi.STATE_FOCUSED)


def tab_to(bus, frame, name, role, stops):
    """Presses Tab until the control has the focus; more than `stops`
    presses fail."""
    target = bus.until(name, lambda: bus.find(frame, name, role))
    for _ in range(stops):
        bus.pyatspi.Registry.generateKeyboardEvent(TAB, None, bus.pyatspi.KEY_SYM)
        bus.pump(0.3)
        if focused(bus, target):
            return target
    raise Failed("%d Tabs did not reach %s" % (stops, name))


def check_extents(bus, frame, reading):
    coords = bus.pyatspi.DESKTOP_COORDS
    window = frame.queryComponent().getExtents(coords)
    text = reading.queryText()
    shown = text.getText(0, -1)
    for i in range(text.characterCount):
        x, y, w, h = text.getCharacterExtents(i, coords)
        inside = (window.x <= x and x + w <= window.x + window.width and
                  window.y <= y and y + h <= window.y + window.height)
        if w <= 0 or h <= 0 or not inside:
            raise Failed("character %d of %s %r lies at %s, window %s" % (
                i, reading.name, shown, (x, y, w, h), (window.x, window.y, window.width, window.height)))
    x, y, w, h = text.getRangeExtents(0, text.characterCount, coords)
    if w <= 0 or h <= 0:
        raise Failed("the text of %s has no extents" % reading.name)


def check_names(bus, acc):
    """No name repeats what the control shows: a screen reader says both."""
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        try:
            shown = text_of(child)
        except NotImplementedError:
            shown = ""
        if shown and child.name != shown and shown in child.name:
            raise Failed("%r repeats its text %r" % (child.name, shown))
        check_names(bus, child)


def run(bus):
    frame = bus.until("frame \"%s\"" % TITLE, lambda: bus.find_app() and bus.find(bus.app, TITLE, "frame"))
    page = bus.until("task page", lambda: bus.find(frame, "Aufgabenstellung", "document frame"))
    if "Leertaste" not in page.description or "Eingabetaste" not in page.description:
        raise Failed("the task page's description %r names no start key" % page.description)
    # A click with the mouse, through the X server: it also makes the window
    # the active one, as a window manager would on a desktop.
    box = page.queryComponent().getExtents(bus.pyatspi.DESKTOP_COORDS)
    bus.pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "b1c")
    bus.until("bench behind the task page", lambda: not bus.showing(page))
    source = bus.until("focus on the source voltage",
                       lambda: (lambda s: s if s and focused(bus, s) else None)(
                           bus.find(frame, "Quellspannung einstellen", "spin button")))
    check_names(bus, frame)
    meter_range = bus.find(frame, "Messbereich", "spin button")
    if meter_range is None or text_of(meter_range) != "20 V":
        raise Failed("no range control that says '20 V'")

    temperature = tab_to(bus, frame, "Sensortemperatur", "text", 3)
    check_extents(bus, frame, temperature)
    meter = tab_to(bus, frame, "Voltmeter", "text", 2)
    if not meter.getState().contains(bus.pyatspi.STATE_READ_ONLY):
        raise Failed("the voltmeter is no read-only reading")
    if not VOLTS.fullmatch(text_of(meter)):
        raise Failed("the voltmeter shows %r, no reading" % text_of(meter))
    check_extents(bus, frame, meter)

    bus.wait_for_meter_events(source)
    if not focused(bus, meter):
        raise Failed("the voltmeter lost the focus")
    meter_range.queryValue().currentValue = 0
    bus.until("event of the voltmeter in the 200 V range",
              lambda: any(bus.is_meter(e.source) and re.fullmatch(r"\d{3}[,.]\d V", e.any_data)
                          for e in bus.events))
    # The reading moves on with the sensor's temperature; each change is
    # told, so the text is what the last event said.
    def as_told():
        return [e.any_data for e in bus.events if bus.is_meter(e.source)][-1] == text_of(meter)
    bus.until("voltmeter text as its last event told it", as_told)
    check_extents(bus, frame, meter)


if __name__ == "__main__":
    sys.exit(session_main(run, "task page names its keys, Tab reaches the sensor temperature and the voltmeter, "
                               "their characters lie in the window, the focused voltmeter tells its change"))

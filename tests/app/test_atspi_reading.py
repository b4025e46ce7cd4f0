#!/usr/bin/python3
"""The bench's readings as a screen reader meets them on the real
accessibility bus: the task page says which keys start; Tab, typed through
the X server, reaches the sensor temperature after the set point and the
voltmeter after the range control; each reading is focusable, also to a
screen reader that met it while the task page was up, and every line, word
and sentence a screen reader asks of it ends with its unit; each reading's
characters have extents inside the window, where a screen reader's review
looks for them; a change of the focused voltmeter raises its text event,
which carries the whole new reading, and its value is the number it shows;
and no name of the bench repeats the value that is spoken after it.

    /usr/bin/python3 tests/app/test_atspi_reading.py build/default/src/app/kora
"""

import re
import sys

from test_atspi_bus import TITLE, Failed, check_text, session_main, text_of

TAB = 0xFF09  # the X keysym
VOLTS = re.compile(r"\d{2,3}[,.]\d{1,2} V")
# The readings in the order Tab reaches them: name, the Tabs from the
# control before, what they show, and their unit.
READINGS = [
    ("Sensortemperatur", 3, re.compile(r"-?\d+([,.]\d)? °C"), "°C"),
    ("Voltmeter", 2, VOLTS, "V"),
]


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


def check_reading(bus, reading, shown, unit):
    """Each piece a screen reader asks for ends with the unit, and the
    reading offers itself to the keyboard also before it has the focus."""
    if not shown.fullmatch(text_of(reading)):
        raise Failed("%s shows %r, no reading" % (reading.name, text_of(reading)))
    if not bus.as_screen_reader(lambda: reading.getState().contains(bus.pyatspi.STATE_FOCUSABLE)):
        raise Failed("%s is not focusable" % reading.name)
    check_text(bus, reading, unit)


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
    # Met while the task page is up, as a screen reader that reviews the
    # window meets them: what it learns of them then must stay true.
    for name, _, shown, unit in READINGS:
        reading = bus.until(name, lambda: bus.find(frame, name, "text"))
        bus.as_screen_reader(reading.getState)
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

    for name, stops, shown, unit in READINGS:
        reading = bus.until(name, lambda: bus.find(frame, name, "text"))
        check_reading(bus, reading, shown, unit)
        reading = tab_to(bus, frame, name, "text", stops)
        if not reading.getState().contains(bus.pyatspi.STATE_READ_ONLY):
            raise Failed("%s is no read-only reading" % name)
        check_reading(bus, reading, shown, unit)
        check_extents(bus, frame, reading)
    meter = bus.find(frame, "Voltmeter", "text")

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
    # The event replaces the whole text, so that the new reading is spoken
    # whole, unit included; its length counts characters.
    told = [e for e in bus.events if bus.is_meter(e.source)][-1]
    if told.detail1 != 0 or told.detail2 != len(told.any_data) or not VOLTS.fullmatch(told.any_data):
        raise Failed("the voltmeter told %r at %d, %d long" % (told.any_data, told.detail1, told.detail2))
    # Its value, whose change a screen reader speaks for the focused control,
    # is the number it shows.
    shown, value = text_of(meter), meter.queryValue().currentValue
    if shown == text_of(meter) and abs(value - float(shown.split()[0].replace(",", "."))) > 1e-9:
        raise Failed("the voltmeter shows %r, its value is %r" % (shown, value))
    check_extents(bus, frame, meter)


if __name__ == "__main__":
    sys.exit(session_main(run, "task page names its keys, Tab reaches the sensor temperature and the voltmeter, "
                               "their characters lie in the window, the focused voltmeter tells its change"))

#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
"""The Qt window as a screen reader sees it, through the real accessibility
bus: the names and roles of its controls, the content of every square, and a
short game followed by those values and the events that announce them.

    dbus-run-session -- atspi_test.py PROGRAM

It starts its own virtual X display for the program, and changes the
activation environment of the session bus it is given: dbus-run-session's own.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Gio, GLib

BUTTONS = ([f"Shift column {n} up" for n in range(1, 5)] + [f"Shift row {n} right" for n in range(1, 5)]
           + [f"Shift column {n} down" for n in range(4, 0, -1)] + [f"Shift row {n} left" for n in range(4, 0, -1)]
           + ["Reset the board", "End the game"])
FULL_LINE = "Near slot empty, 4 green, far slot empty"

failures = []
changes = []  # (name, description) as the events told them
notices = []  # what the program announced, as notifications that appeared


def check(ok, what):
    if not ok:
        failures.append(what)
        print(f"FAIL {what}")


def wait_for(condition, seconds=20):
    """Lets events reach their listeners until condition() holds; False if it
    still does not after a deadline that only a real absence reaches."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > end:
            return False
        while context.iteration(False):
            pass
        time.sleep(0.01)
    return True


def find_application(name):
    """The program once it is on the bus with its window."""
    found = []

    def on_bus():
        found[:] = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == name and a.childCount]
        return found

    if not wait_for(on_bus):
        raise SystemExit(f"no application {name!r} with a window on the accessibility bus")
    return found[0]


def press(control):
    control.queryAction().doAction(0)


def press_and_hear(control):
    """Presses, then waits for the program to announce it. A click tells its
    squares and lines before it announces, so their events are in by then
    too, and a check that some did not come is not just early."""
    notices.clear()
    changes.clear()
    press(control)
    wait_for(lambda: notices)


def alerts(application):
    return [w for w in application if w.getRoleName() == "alert"]


def own_runtime_dir():
    """The accessibility bus puts its socket in the runtime directory, which
    is the same for every session of a user where none is set: two of these
    tests at once, from two build trees say, would share a bus and lose each
    other's program. So the bus this session starts gets a directory of its
    own; it starts on the first accessibility call, after this one."""
    runtime = tempfile.mkdtemp(prefix="varnel-atspi-")
    Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "UpdateActivationEnvironment",
        GLib.Variant("(a{ss})", ({"XDG_RUNTIME_DIR": runtime},)), None, Gio.DBusCallFlags.NONE, -1)
    return runtime


def start_display():
    """A virtual X display, on whichever number is free: Xvfb says which once it is ready."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "640x480x24", "-nolisten", "tcp"],
                              pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as answer:
        number = answer.readline().strip()
    if not number:
        raise SystemExit("Xvfb did not start")
    return server, f":{number}"


def main():
    runtime = own_runtime_dir()
    # Qt sends only the events that the registry lists listeners for, and may
    # miss a listener registered while it starts: so they are in before it.
    pyatspi.Registry.registerEventListener(lambda e: changes.append((e.source.name, e.source.description)),
                                           "object:property-change:accessible-description")
    pyatspi.Registry.registerEventListener(
        lambda e: e.detail1 and e.source.getRoleName() == "notification" and notices.append(e.source.name),
        "object:state-changed:showing")
    display, name = start_display()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", DISPLAY=name,
               XDG_RUNTIME_DIR=runtime)
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        application = find_application("varnel")
        window = application[0]
        check(window.name == "Varnel", f"window named {window.name!r}")
        controls = list(window)
        buttons = [c for c in controls if c.getRoleName() == "push button"]
        squares = [c for c in controls if c.getRoleName() == "label"]
        check([b.name for b in buttons] == BUTTONS, f"buttons {[b.name for b in buttons]}")
        check(len(squares) == 32 and len({s.name for s in squares}) == 32, "32 squares, each named apart")
        for s in squares:
            start = "green piece" if s.name.startswith("Row ") else "empty"
            check(s.description == start, f"{s.name} starts {s.description!r}")
        named = {c.name: c for c in controls}
        check(named["Shift row 2 left"].description == FULL_LINE, "a move button tells its line")

        # A short game, followed by the values alone.
        press_and_hear(named["Shift column 1 up"])
        check(notices == ["Slot above column 1, red piece. Row 4, column 1, empty."], f"said {notices}")
        check(("Slot above column 1", "red piece") in changes, "the push-out is announced at the slot")
        check(("Row 4, column 1", "empty") in changes, "and at the cell it left")
        check(not any(name == "Shift row 2 left" for name, _ in changes), "lines that did not change stay quiet")
        press_and_hear(named["Shift column 1 down"])
        check(named["Row 1, column 1"].description == "red piece", "the pull-in brought the red piece home")
        check(named["Slot above column 1"].description == "empty", "its slot is empty again")
        check(not any(name.startswith("Row 2") for name, _ in changes), "unchanged squares stay quiet")
        line = named["Shift column 1 up"].description
        check(line == "Near slot empty, red, 3 green, far slot empty", f"the line from above column 1: {line!r}")

        # The blocked box is read out with its title and text.
        press(named["Shift column 1 up"])
        wait_for(lambda: alerts(application))
        boxes = alerts(application)
        check(len(boxes) == 1 and boxes[0].name == "varnel", f"boxes {[(b.getRoleName(), b.name) for b in application]}")
        if boxes:
            texts = [c.name for c in boxes[0] if c.getRoleName() == "label"]
            check("You cannot move the column if the head is red." in texts, f"box text {texts}")
            ok = pyatspi.findDescendant(boxes[0], lambda c: c.getRoleName() == "push button")
            check(ok is not None and ok.name == "OK", "the box has its OK")
            # A press through the accessibility bus goes around the box: it must
            # run nothing. The program takes the presses in turn, so once the
            # blocked click is told, after OK, the one under the box has been run.
            press(named["Shift row 1 right"])
            if ok is not None:
                press_and_hear(ok)
            check(named["Slot right of row 1"].description == "empty", "a press under the box ran a move")
        press_and_hear(named["Reset the board"])
        check(notices == ["Row 1, column 1, green piece. The board is at the start."], f"said {notices}")
        # The same words again are said again. Qt holds a pressed button down
        # for a moment, and a second press in it is the same click: so the
        # second waits until the first was told.
        press_and_hear(named["Reset the board"])
        press(named["Reset the board"])
        wait_for(lambda: len(notices) == 2)
        check(notices == ["The board is at the start."] * 2, f"the same words twice said {notices}")
        press(named["End the game"])
        check(program.wait(20) == 0, "END ends the program")
    finally:
        if program.poll() is None:
            program.kill()
        display.terminate()
        shutil.rmtree(runtime, ignore_errors=True)
    print(f"atspi: {0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

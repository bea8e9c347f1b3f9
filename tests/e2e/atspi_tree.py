#!/usr/bin/python3
"""Prints the accessible tree of the program's windows as a screen reader reads it over AT-SPI.

Usage: atspi_tree.py [--descriptions] [WINDOW-NAME-REGEX]
       atspi_tree.py --events SECONDS
One line per object: indentation, role, the name in quotes, then its states that a reader
announces (checked, enabled, focused, showing), and with --descriptions the description in
quotes after the states. Only the windows whose name matches the regex, or all of the program's
windows. Exits 1 when the program is not on the bus.

With --events the script listens instead: it prints "ready" once it listens, then for SECONDS
seconds one line per event of the program that tells a reader a name or a text has changed:
the event type, the role and the name of its source, and the source's text where it has one.
"""
import argparse
import re
import sys

import pyatspi
from gi.repository import GLib

APPLICATION = "ormitan"
STATES = {
    pyatspi.STATE_CHECKED: "checked",
    pyatspi.STATE_ENABLED: "enabled",
    pyatspi.STATE_FOCUSED: "focused",
    pyatspi.STATE_SHOWING: "showing",
}
# What a reader listens to in order to read out a changed text.
EVENTS = ["object:property-change:accessible-name", "object:text-changed"]


def describe(accessible, depth, descriptions, out):
    states = accessible.getState()
    shown = [word for state, word in STATES.items() if states.contains(state)]
    line = "%s%s\t%r\t%s" % ("  " * depth, accessible.getRoleName(), accessible.name,
                             " ".join(shown))
    if descriptions and accessible.description:
        line += "\t%r" % accessible.description
    out.append(line)
    for child in accessible:
        if child is not None:
            describe(child, depth + 1, descriptions, out)


def text_of(accessible):
    try:
        text = accessible.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def program_application(accessible):
    try:
        return accessible.getApplication().name == APPLICATION
    except Exception:  # the source may be gone already
        return False


def listen(seconds):
    def on_event(event):
        if not program_application(event.source):
            return
        source = event.source
        print("%s\t%s\t%r\t%r" % (event.type, source.getRoleName(), source.name, text_of(source)),
              flush=True)

    pyatspi.Registry.registerEventListener(on_event, *EVENTS)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    GLib.idle_add(lambda: print("ready", flush=True) and False)
    pyatspi.Registry.start()
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--descriptions", action="store_true")
    parser.add_argument("--events", type=float, metavar="SECONDS")
    parser.add_argument("window", nargs="?", default="")
    args = parser.parse_args()
    if args.events is not None:
        return listen(args.events)
    pattern = re.compile(args.window)
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [app for app in desktop if app is not None and app.name == APPLICATION]
    if not apps:
        return 1
    out = []
    for window in apps[0]:
        if window is not None and pattern.search(window.name):
            describe(window, 0, args.descriptions, out)
    print("\n".join(out))
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Prints the accessible tree of the program's windows as a screen reader reads it over AT-SPI.

Usage: atspi_tree.py [WINDOW-NAME-REGEX]
One line per object: indentation, role, the name in quotes, then its states that a reader
announces (checked, enabled, focused, showing). Only the windows whose name matches the regex,
or all of the program's windows. Exits 1 when the program is not on the bus.
"""
import re
import sys

import pyatspi

APPLICATION = "ormitan"
STATES = {
    pyatspi.STATE_CHECKED: "checked",
    pyatspi.STATE_ENABLED: "enabled",
    pyatspi.STATE_FOCUSED: "focused",
    pyatspi.STATE_SHOWING: "showing",
}


def describe(accessible, depth, out):
    states = accessible.getState()
    shown = [word for state, word in STATES.items() if states.contains(state)]
    out.append("%s%s\t%r\t%s" % ("  " * depth, accessible.getRoleName(), accessible.name,
                                 " ".join(shown)))
    for child in accessible:
        if child is not None:
            describe(child, depth + 1, out)


def main():
    pattern = re.compile(sys.argv[1] if len(sys.argv) > 1 else "")
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [app for app in desktop if app is not None and app.name == APPLICATION]
    if not apps:
        return 1
    out = []
    for window in apps[0]:
        if window is not None and pattern.search(window.name):
            describe(window, 0, out)
    print("\n".join(out))
    return 0


if __name__ == "__main__":
    sys.exit(main())

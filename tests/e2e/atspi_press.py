#!/usr/bin/python3
"""Presses a push button of the program through the accessibility bus, as a screen reader does.

Usage: atspi_press.py WINDOW-NAME-REGEX BUTTON-NAME
Exits 0 once the button of that name in a matching window has been pressed, 1 when there is
no such button.
"""
import re
import sys

import pyatspi


def find(accessible, name):
    if accessible.getRoleName() == "push button" and accessible.name == name:
        return accessible
    for child in accessible:
        found = find(child, name) if child is not None else None
        if found is not None:
            return found
    return None


def main():
    pattern, name = re.compile(sys.argv[1]), sys.argv[2]
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "ormitan":
            continue
        for window in app:
            if window is not None and pattern.search(window.name):
                button = find(window, name)
                if button is not None:
                    actions = button.queryAction()
                    return 0 if actions.doAction(0) else 1
    return 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Asks an X window to close, as its close box would: sends it WM_DELETE_WINDOW.

Usage: close_window.py WINDOW_ID
"""
import sys

from Xlib import X, display, protocol


def main() -> int:
    screen = display.Display()
    window = screen.create_resource_object("window", int(sys.argv[1]))
    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(
        window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    screen.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())

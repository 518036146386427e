# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running Morvane window through the accessibility bus, as a screen reader does.

Turns the session's screen reader flag on (what Orca does when it starts), waits for a frame or
dialog named MORVANE, checks that its boxes are text fields named N, K and Result and its button
a push button named Go, presses Go through the action interface and waits for the Result field
to read " 184,756" and for a text-changed event from it. Exits 0 and prints one PASS line, or
prints FAIL and the reason and exits 1.

Run with Debian's /usr/bin/python3, which has pyatspi; DBUS_SESSION_BUS_ADDRESS names the session.
"""

import sys
import time

try:
    import pyatspi
    from gi.repository import Gio, GLib
except ImportError as error:
    sys.exit(f"FAIL: {error}: install the Debian packages python3-pyatspi and at-spi2-core")

WINDOW_ROLES = (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG)
TEXT_FIELD_ROLES = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
EXPECTED_RESULT = " 184,756"
WAIT_SECONDS = 20


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def turn_screen_reader_on():
    """Sets org.a11y.Status.ScreenReaderEnabled; toolkits switch their bridges on when it is."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    value = GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True)))
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  value, None, Gio.DBusCallFlags.NONE, WAIT_SECONDS * 1000, None)


def window_named(name):
    """The top-level accessible called name, and what else was there, after at most WAIT_SECONDS."""
    deadline = time.monotonic() + WAIT_SECONDS
    seen = []
    while True:
        seen = []
        for application in pyatspi.Registry.getDesktop(0):
            if application is None:
                continue
            for window in application:
                if window is None:
                    continue
                seen.append(f"{window.getRoleName()} {window.name!r}")
                if window.name == name:
                    return window
        if time.monotonic() > deadline:
            fail(f"no window named {name} on the accessibility bus; windows seen: {seen or 'none'}")
        time.sleep(0.1)


def control(window, name, roles):
    found = pyatspi.findDescendant(window, lambda accessible: accessible.name == name)
    if found is None:
        fail(f"no control named {name!r} in the window")
    if found.getRole() not in roles:
        fail(f"{name!r} has role {found.getRoleName()!r}")
    return found


def press(button):
    actions = button.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index).lower() in ("press", "click"):
            actions.doAction(index)
            return
    fail(f"{button.name!r} has no press action")


def main():
    turn_screen_reader_on()
    window = window_named("MORVANE")
    if window.getRole() not in WINDOW_ROLES:
        fail(f"the MORVANE window has role {window.getRoleName()!r}, not frame or dialog")
    if not window.getState().contains(pyatspi.STATE_SHOWING):
        fail("the MORVANE window is not showing")
    for name in ("N", "K"):
        control(window, name, TEXT_FIELD_ROLES)
    result = control(window, "Result", TEXT_FIELD_ROLES)
    go = control(window, "Go", (pyatspi.ROLE_PUSH_BUTTON,))

    # Go is pressed from inside the event loop, once the listener is registered, so that the
    # text-changed events it causes are delivered; the loop ends when Result reads the
    # expected text after an insertion event, or after WAIT_SECONDS.
    changes = []  # (event type, text inserted or removed) of each text change of Result
    seen = {"text": None}
    deadline = time.monotonic() + WAIT_SECONDS

    def on_text_changed(event):
        if event.source == result:
            changes.append((event.type, event.any_data))

    def inserted():
        return any(kind.startswith("object:text-changed:insert") for kind, _ in changes)

    def poll():
        seen["text"] = result.queryText().getText(0, -1)
        if (seen["text"] == EXPECTED_RESULT and inserted()) or time.monotonic() > deadline:
            pyatspi.Registry.stop()
            return False
        return True

    def click():
        press(go)
        GLib.timeout_add(50, poll)
        return False

    before = result.queryText().getText(0, -1)
    pyatspi.Registry.registerEventListener(on_text_changed, "object:text-changed")
    GLib.idle_add(click)
    pyatspi.Registry.start()

    if seen["text"] != EXPECTED_RESULT:
        fail(f"Result reads {seen['text']!r} after Go (before: {before!r}), not {EXPECTED_RESULT!r}")
    if not inserted():
        fail(f"no text-changed insert event from Result; its events: {changes or 'none'}")
    print(f"PASS: {window.getRoleName()} MORVANE with text fields N, K, Result and push button "
          f"Go; after Go, Result reads {seen['text']!r}; events: {changes}")


if __name__ == "__main__":
    main()

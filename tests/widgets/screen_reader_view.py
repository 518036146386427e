# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running Morvane window through the accessibility bus, as a screen reader does.

Turns the session's screen reader flag on (what Orca does when it starts), waits for a frame or
dialog named after the window's caption, checks that each box of the window's table is a text
field and each button a push button, named with the table's accessible names, presses Go
through the action interface and waits for the result box to read " 184,756" and for a
text-changed event from it. Exits 0 and prints one PASS line, or prints FAIL and the reason and
exits 1.

Usage: screen_reader_view.py FORM_TABLE_JSON (the window's table, as morvane_form_table prints it)
Run with Debian's /usr/bin/python3, which has pyatspi; DBUS_SESSION_BUS_ADDRESS names the session.
"""

import json
import sys
import time

try:
    import pyatspi
    from gi.repository import Gio, GLib
except ImportError as error:
    sys.exit(f"FAIL: {error}: install the Debian packages python3-pyatspi and at-spi2-core")

WINDOW_ROLES = (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG)
# The roles a reader may give each kind of control of the table that carries a name.
ROLES = {"textbox": (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY), "button": (pyatspi.ROLE_PUSH_BUTTON,)}
# What Go on the start texts shows, worked out by hand: the check that the reader hears a result.
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
    with open(sys.argv[1], encoding="utf-8") as table_file:
        table = json.load(table_file)
    caption = table["caption"]
    turn_screen_reader_on()
    window = window_named(caption)
    if window.getRole() not in WINDOW_ROLES:
        fail(f"the {caption} window has role {window.getRoleName()!r}, not frame or dialog")
    if not window.getState().contains(pyatspi.STATE_SHOWING):
        fail(f"the {caption} window is not showing")
    named = {c["id"]: control(window, c["accessibleName"], ROLES[c["kind"]])
             for c in table["controls"] if c["accessibleName"]}
    if "txtResult" not in named or "cmdGo" not in named:
        fail(f"the table names no result box or no Go button, only {sorted(named)}")
    result, go = named["txtResult"], named["cmdGo"]

    # Go is pressed from inside the event loop, once the listener is registered, so that the
    # text-changed events it causes are delivered; the loop ends when the result box reads the
    # expected text after an insertion event, or after WAIT_SECONDS.
    changes = []  # (event type, text inserted or removed) of each text change of the result box
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
        fail(f"{result.name} reads {seen['text']!r} after Go (before: {before!r}), "
             f"not {EXPECTED_RESULT!r}")
    if not inserted():
        fail(f"no text-changed insert event from {result.name}; its events: {changes or 'none'}")
    names = ", ".join(f"{c.getRoleName()} {c.name}" for c in named.values())
    print(f"PASS: {window.getRoleName()} {caption} with {names}; after Go, {result.name} reads "
          f"{seen['text']!r}; events: {changes}")


if __name__ == "__main__":
    main()

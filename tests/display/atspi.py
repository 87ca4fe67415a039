# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop's accessibility stack for a real-display test, read as a screen reader
reads it.

AtSpi starts the AT-SPI bus launcher (at-spi2-core) on an XSession's private D-Bus
session, switches accessibility on the way a desktop does (the IsEnabled and
ScreenReaderEnabled properties of org.a11y.Status on org.a11y.Bus), and gives the test
pyatspi with an event recorder. Start the game after entering it:

    with XSession(dbus=True) as s, AtSpi(s) as a11y:
        s.start([binary])
        frame = a11y.find(a11y.app("Quenlith"), "frame", "Quenlith")

Events arrive only while the recorder pumps them (wait_for, pump); the pumping runs the
library's own main loop, so its caches behave as in a screen reader. One session per
process: libatspi reads the bus address once.
"""

import os
from waiting import limit, wait_until


class AtSpi:
    def __init__(self, session):
        if "DBUS_SESSION_BUS_ADDRESS" not in session.env:
            raise ValueError("AtSpi needs an XSession started with dbus=True")
        self.session = session
        self.events = []

    def __enter__(self):
        from gi.repository import Gio, GLib
        self._glib = GLib
        # In-memory settings: the launcher keeps the switches without touching dconf.
        self.session.env["GSETTINGS_BACKEND"] = "memory"
        self.session.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        bus = Gio.DBusConnection.new_for_address_sync(
            self.session.env["DBUS_SESSION_BUS_ADDRESS"],
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

        def call(interface, method, args):
            return bus.call_sync("org.a11y.Bus", "/org/a11y/bus", interface, method, args,
                                 None, Gio.DBusCallFlags.NONE, int(limit(2) * 1000), None)

        def launched():
            try:
                return call("org.a11y.Bus", "GetAddress", None)
            except GLib.Error:
                return None
        self.session.wait_for(launched, what="the AT-SPI bus launcher")
        for switch in ("IsEnabled", "ScreenReaderEnabled"):
            call("org.freedesktop.DBus.Properties", "Set",
                 GLib.Variant("(ssv)", ("org.a11y.Status", switch, GLib.Variant("b", True))))
        bus.close_sync(None)
        # libatspi finds the bus through these when it is first loaded.
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        os.environ.update(DISPLAY=self.session.display,
                          DBUS_SESSION_BUS_ADDRESS=self.session.env["DBUS_SESSION_BUS_ADDRESS"])
        import pyatspi
        from gi.repository import Atspi
        self.pyatspi, self._atspi = pyatspi, Atspi
        return self

    def __exit__(self, *exc):
        return False

    # -- events ------------------------------------------------------------------------

    def record(self, *kinds):
        """Records events of these kinds ('focus:', 'object:state-changed:showing', ...)
        into self.events as (type, source, detail1)."""
        def keep(event):
            self.events.append((event.type, event.source, event.detail1))
        self._keep = keep  # pyatspi holds listeners weakly
        self.pyatspi.Registry.registerEventListener(keep, *kinds)

    def pump(self, seconds):
        """Delivers events for a while, through the library's own main loop."""
        def stop():
            self._atspi.event_quit()
            return False
        self._glib.timeout_add(int(seconds * 1000), stop)
        self._atspi.event_main()

    def wait_for(self, predicate, timeout=None, what="a condition", seen=None):
        """Polls `predicate` while delivering events; on a time-out tells seen() or, by
        default, what the bus and the screen last showed."""
        return wait_until(predicate, timeout, what, lambda: self.pump(0.02),
                          seen or self.describe)

    def describe(self):
        """The applications on the bus with their windows and what those hold (a table by
        its size and description), the last events, and the screen as last read."""
        desktop = self.pyatspi.Registry.getDesktop(0)
        apps = []
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None:
                apps.append(f"{app.name!r}: " + "; ".join(
                    self._outline(w) for w in self._children(app)))
        events = [f"{kind} {source.getRoleName()} {source.name!r} {detail}"
                  for kind, source, detail in self.events[-5:]]
        return f"on the bus {apps}; last events {events}; {self.session.describe()}"

    def _children(self, obj):
        return [c for c in (obj.getChildAtIndex(i) for i in range(obj.childCount)) if c]

    def _outline(self, obj, depth=0):
        role = obj.getRoleName()
        text = f"{role} {obj.name!r}" + ("" if self.showing(obj) else " (hidden)")
        if role == "table":
            table = obj.queryTable()
            return text + f" {table.nRows}x{table.nColumns} {obj.description!r}"
        inner = [self._outline(c, depth + 1) for c in self._children(obj)] if depth < 3 else []
        return text + (" [" + ", ".join(inner) + "]" if inner else "")

    # -- the tree ----------------------------------------------------------------------

    def app(self, name, timeout=None):
        """The application registered under `name`, once it shows a window."""
        desktop = self.pyatspi.Registry.getDesktop(0)

        def lookup():
            for i in range(desktop.childCount):
                child = desktop.getChildAtIndex(i)
                if child is not None and child.name == name and child.childCount > 0:
                    return child
            return None
        return self.wait_for(lookup, timeout, f"the application {name!r} on the bus")

    def find(self, root, role, name=None):
        """The first object below root with this role name (and name); table cells are
        not searched."""
        for i in range(root.childCount):
            child = root.getChildAtIndex(i)
            if child is None:
                continue
            if child.getRoleName() == role and name in (None, child.name):
                return child
            if child.getRoleName() != "table":
                found = self.find(child, role, name)
                if found is not None:
                    return found
        return None

    def actions(self, obj):
        try:
            action = obj.queryAction()
        except NotImplementedError:
            return []
        return [action.getName(i) for i in range(action.nActions)]

    def press(self, obj):
        obj.queryAction().doAction(self.actions(obj).index("Press"))

    def showing(self, obj):
        return obj.getState().contains(self.pyatspi.STATE_SHOWING)

    def extents(self, obj):
        """(x, y, width, height) on the screen."""
        box = obj.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return (box.x, box.y, box.width, box.height)

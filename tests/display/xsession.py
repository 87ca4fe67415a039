# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X server for tests that run the real game on a real display.

Each XSession starts its own Xvfb (the server picks a free display number through
-displayfd, so tests run side by side), a private D-Bus session as every desktop has one
(without it libdbus tries to launch a bus through X, and where it cannot, leaks a buffer
that LeakSanitizer reports), and optionally a window manager. It gives the test real
input through XTEST and the screen's pixels through GetImage. Every wait polls what the
server shows, with a time limit from waiting.py, and says on a time-out what the screen last
showed. The tests pause for a fixed time only where time passing is the point: a key held
down for its repeats, two reads of the screen apart to see a repaint finished.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from collections import Counter

from waiting import limit, wait_until
from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest

# What a developer's desktop sets to scale, restyle or re-resolve every Qt program (a HiDPI
# session's scale factors or font resolution); the tests see the game as it starts by default.
DESKTOP_LOOK = ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY",
                "QT_USE_PHYSICAL_DPI", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME")

class XSession:
    """Context manager: `with XSession(wm=True) as s: game = s.start([binary])`."""

    def __init__(self, width=800, height=600, wm=False, dbus=True, server_args=()):
        self.size = (width, height)
        self.server_args = list(server_args)  # extra Xvfb options, e.g. ["-ardelay", "150"]
        self.want_wm = wm
        self.want_dbus = dbus
        self.procs = []
        self.last_grab = None  # (x, y, Pixels) of the last read of the screen
        self.tmp = tempfile.mkdtemp(prefix="quenlith-x-")
        os.chmod(self.tmp, 0o700)

    # -- lifetime --------------------------------------------------------------------

    def __enter__(self):
        read_end, write_end = os.pipe()
        w, h = self.size
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{w}x{h}x24",
                     "-nolisten", "tcp", "-noreset"] + self.server_args, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                                 "QT_ACCESSIBILITY") + DESKTOP_LOOK}
        self.env.update(DISPLAY=self.display, XDG_RUNTIME_DIR=self.tmp,
                        XAUTHORITY=os.path.join(self.tmp, "no-auth"))
        self.conn = xdisplay.Display(self.display)
        self.root = self.conn.screen().root
        if self.want_dbus:
            self._start_dbus()
        if self.want_wm:
            self._spawn(["openbox", "--sm-disable", "--config-file", "/dev/null"],
                        env=self.env)
            self.wait_for(lambda: self._root_atom("_NET_SUPPORTING_WM_CHECK"), what="openbox")
        return self

    def __exit__(self, *exc):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.send_signal(signal.SIGTERM)
        for proc in reversed(self.procs):
            try:
                proc.wait(timeout=limit(3))
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        try:
            self.conn.close()
        except Exception:
            pass
        shutil.rmtree(self.tmp, ignore_errors=True)

    def _spawn(self, argv, env=None, **kwargs):
        proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
        self.procs.append(proc)
        return proc

    def _start_dbus(self):
        proc = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, env=self.env)
        self.procs.append(proc)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = proc.stdout.readline().decode().strip()

    def start(self, argv, env=None, output=None):
        """Starts a program on this display; it is ended with the session. `env` adds
        variables; `output` is a file for its stdout and stderr (default: discarded)."""
        full_env = dict(self.env, **(env or {}))
        sink = output if output is not None else subprocess.DEVNULL
        proc = subprocess.Popen(argv, env=full_env, stdin=subprocess.DEVNULL, stdout=sink,
                                stderr=subprocess.STDOUT)
        self.procs.append(proc)
        return proc

    # -- waiting -----------------------------------------------------------------------

    def wait_for(self, predicate, timeout=None, what="a condition", interval=0.01, seen=None):
        """Polls `predicate` until it returns something true, and returns that; on a time-out
        tells seen() or, by default, what the screen last showed."""
        return wait_until(predicate, timeout, what, lambda: time.sleep(interval),
                          seen or self.describe)

    def describe(self):
        """The mapped windows, the focus, and the colours of the last read of the screen."""
        windows = []
        for win in self._clients(self.root):
            try:
                if win.get_attributes().map_state == X.IsViewable:
                    x, y, w, h = self.geometry(win)
                    windows.append(f"{self.title(win)!r} {w}x{h}+{x}+{y}")
            except Exception:  # gone meanwhile
                continue
        focus = self.conn.get_input_focus().focus
        focus = self.title(focus) if hasattr(focus, "get_wm_name") else "none"
        text = f"windows {windows}, focus on {focus!r}"
        if self.last_grab is not None:
            x, y, pixels = self.last_grab
            text += f"; the screen at {pixels.width}x{pixels.height}+{x}+{y} showed " + \
                pixels.colours()
        return text

    def quit_game(self, game):
        """Ends the game through its F10 shortcut and fails the test unless it exits 0."""
        self.tap("F10")
        if game.wait(timeout=limit(10)) != 0:
            sys.exit(f"the game ended with status {game.returncode}")

    # -- windows -----------------------------------------------------------------------

    def _atom(self, name):
        return self.conn.intern_atom(name)

    def _root_atom(self, name):
        prop = self.root.get_full_property(self._atom(name), X.AnyPropertyType)
        return prop is not None and len(prop.value) > 0

    def title(self, win):
        prop = win.get_full_property(self._atom("_NET_WM_NAME"), self._atom("UTF8_STRING"))
        if prop is not None:
            return prop.value.decode("utf-8", "replace")
        name = win.get_wm_name()
        return name if isinstance(name, str) else None

    def _clients(self, win):
        try:
            if win.get_wm_state() is not None or win.get_wm_name() is not None:
                yield win
            for child in win.query_tree().children:
                yield from self._clients(child)
        except Exception:  # a window that went away while we walked the tree
            return

    def find_window(self, title, timeout=None, viewable=True, interval=0.01):
        """The client window whose title is exactly `title` (mapped unless
        viewable=False)."""
        def lookup():
            for win in self._clients(self.root):
                try:
                    if self.title(win) == title and (
                            not viewable or win.get_attributes().map_state == X.IsViewable):
                        return win
                except Exception:
                    continue
            return None
        return self.wait_for(lookup, timeout, f"a window titled {title!r}", interval)

    def geometry(self, win):
        """(x, y, width, height) of the window's client area in root coordinates."""
        geo = win.get_geometry()
        pos = win.translate_coords(self.root, 0, 0)
        return (-pos.x, -pos.y, geo.width, geo.height)

    # -- screen ------------------------------------------------------------------------

    def grab(self, x, y, w, h):
        """The screen's pixels in a rectangle, as a Pixels object."""
        image = self.root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
        pixels = Pixels(image.data, w, h)
        self.last_grab = (x, y, pixels)
        return pixels

    def pixel(self, x, y):
        return self.grab(x, y, 1, 1).at(0, 0)

    # -- input (XTEST) -----------------------------------------------------------------

    def _keycode(self, name):
        keysym = XK.string_to_keysym(name)
        if keysym == 0:
            raise ValueError(f"unknown key name {name!r}")
        return self.conn.keysym_to_keycode(keysym)

    def move(self, x, y):
        xtest.fake_input(self.conn, X.MotionNotify, x=x, y=y)
        self.conn.sync()

    def button(self, down, number=1):
        xtest.fake_input(self.conn, X.ButtonPress if down else X.ButtonRelease, number)
        self.conn.sync()

    def click(self, x, y, number=1):
        self.move(x, y)
        self.button(True, number)
        self.button(False, number)

    def key(self, name, down):
        """Presses (down=True) or releases an X key named like XK ('space', 'Control_L')."""
        xtest.fake_input(self.conn, X.KeyPress if down else X.KeyRelease, self._keycode(name))
        self.conn.sync()

    def tap(self, name, modifiers=()):
        for mod in modifiers:
            self.key(mod, True)
        self.key(name, True)
        self.key(name, False)
        for mod in reversed(modifiers):
            self.key(mod, False)

    def set_auto_repeat(self, on):
        self.conn.change_keyboard_control(
            auto_repeat_mode=X.AutoRepeatModeOn if on else X.AutoRepeatModeOff)
        self.conn.sync()


class Pixels:
    """A grabbed rectangle of a 24-bit TrueColor screen; at(x, y) gives (r, g, b)."""

    def __init__(self, data, width, height):
        self.data = data if isinstance(data, bytes) else bytes(data, "latin-1")
        self.width = width
        self.height = height
        self.stride = len(self.data) // height if height else 0

    def at(self, x, y):
        offset = y * self.stride + x * 4
        b, g, r = self.data[offset], self.data[offset + 1], self.data[offset + 2]
        return (r, g, b)

    def crop(self, x, y, w, h):
        """The bytes of a rectangle inside, laid out as grabbing it alone gives them."""
        return b"".join(self.data[row * self.stride + x * 4:row * self.stride + (x + w) * 4]
                        for row in range(y, y + h))

    def colours(self, most=6):
        """The commonest colours, with their share, from about 10000 pixels spread evenly."""
        step = max(1, int((self.width * self.height / 10000) ** 0.5))
        counts = Counter(self.at(x, y) for y in range(0, self.height, step)
                         for x in range(0, self.width, step))
        total = sum(counts.values())
        return ", ".join(f"#{r:02x}{g:02x}{b:02x} {100 * n // total}%"
                         for (r, g, b), n in counts.most_common(most))

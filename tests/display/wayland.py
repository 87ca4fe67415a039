# SPDX-License-Identifier: GPL-3.0-or-later
"""A private Wayland compositor for tests: weston, shown in a window of a private X server.

Weston's headless backend would need no X server, but Debian's weston ships no way to give
it input (its test plugin is not packaged). Nested in Xvfb through its X11 backend, weston
takes XTEST input like a real seat and shows its output where GetImage reads it, while the
game stays a native Wayland client of it. Weston may miss the pointer's first move into its
output: move until the screen shows the move's effect."""

import os
import subprocess

from waiting import limit
from Xlib import X


class Weston:
    """Context manager: `with XSession(...) as s, Weston(s) as w: s.start(argv, env=w.env)`."""

    SOCKET = "wayland-quenlith"  # inside the session's private runtime directory

    def __init__(self, session, width=800, height=600):
        self.session = session
        self.size = (width, height)

    def __enter__(self):
        s, (w, h) = self.session, self.size
        config = os.path.join(s.tmp, "weston.ini")
        with open(config, "w") as ini:
            ini.write("[shell]\npanel-position=none\nbackground-color=0xff203040\n")
        # Weston follows the pointer only after it has entered the output window, so the
        # pointer starts outside it: the X screen must be larger than the output.
        s.move(s.size[0] - 1, s.size[1] - 1)
        self.proc = s._spawn(["weston", "--backend=x11-backend.so", "--use-pixman",
                              f"--socket={self.SOCKET}", "--idle-time=0", f"--width={w}",
                              f"--height={h}", f"--config={config}"], env=s.env)
        socket = os.path.join(s.tmp, self.SOCKET)
        s.wait_for(lambda: os.path.exists(socket) and self.proc.poll() is None, what="weston")
        # Weston's output is an X window; X keyboard input goes to it whatever the pointer does.
        output = s.wait_for(self._output_window, what="weston's output window")
        s.conn.set_input_focus(output, X.RevertToParent, X.CurrentTime)
        s.conn.sync()
        # A Wayland session as a desktop sets it up; Qt picks its platform from it.
        self.env = {"WAYLAND_DISPLAY": self.SOCKET, "XDG_SESSION_TYPE": "wayland"}
        return self

    def _output_window(self):
        s = self.session
        for win in s.root.query_tree().children:
            geo = win.get_geometry()
            if (geo.width, geo.height) == self.size and \
                    win.get_attributes().map_state == X.IsViewable:
                return win
        return None

    def __exit__(self, *exc):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=limit(3))
            except subprocess.TimeoutExpired:
                self.proc.kill()

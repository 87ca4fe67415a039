# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's Orca on a private desktop: an XSession with its own D-Bus session, the AT-SPI
bus switched on as a desktop does (AtSpi), a speech recorder in place of the speech server,
and Orca itself with a private home and its default settings.

    with OrcaSession() as o:
        game = o.start([binary])
        o.speech.wait_for(lambda said: "Board" in said)
        o.s.tap("Down")

Orca is started through its own modules rather than its command, which refuses to start
while any other Orca of the same user runs (tests run side by side) and whose --replace
would end those."""

import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "display"))
from atspi import AtSpi  # noqa: E402
from speech_recorder import SpeechRecorder  # noqa: E402
from xsession import XSession  # noqa: E402

LAUNCH = """
import sys
import orca.debug as debug
if len(sys.argv) > 2:
    debug.debugLevel, debug.debugFile = debug.LEVEL_ALL, open(sys.argv[2], "w")
from orca import orca
manager = orca.getSettingsManager()
manager.activate(sys.argv[1], {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
"""


class OrcaSession:
    def __init__(self, wm=True, debug_log=None):
        self.wm = wm
        self.debug_log = debug_log  # a file for Orca's own debug output, when wanted

    def __enter__(self):
        self.s = XSession(wm=self.wm, dbus=True).__enter__()
        try:
            self.a11y = AtSpi(self.s).__enter__()
            self.speech = SpeechRecorder(self.s.tmp).__enter__()
            home = os.path.join(self.s.tmp, "home")
            for sub in ("data", "config", "cache"):
                os.makedirs(os.path.join(home, sub))
            self.s.env.update(HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                              XDG_CONFIG_HOME=os.path.join(home, "config"),
                              XDG_CACHE_HOME=os.path.join(home, "cache"),
                              SPEECHD_ADDRESS=self.speech.address)
            argv = ["/usr/bin/python3", "-c", LAUNCH, os.path.join(home, "data", "orca")]
            self.orca = self.s.start(argv + ([self.debug_log] if self.debug_log else []))
            # Orca greets once it listens to the desktop and its speech server.
            self.speech.wait_for(lambda said: said, what="Orca's greeting")
        except BaseException:
            self.s.__exit__(*sys.exc_info())
            raise
        return self

    def __exit__(self, *exc):
        self.speech.__exit__(*exc)
        return self.s.__exit__(*exc)

    def start(self, argv, output=None):
        """Starts a program for Orca to read; the desktop's bus switches its accessibility
        on, as for any program started after the screen reader."""
        return self.s.start(argv, output=output)

# SPDX-License-Identifier: GPL-3.0-or-later
"""How long the first opening of the About box takes on a real X server.

    /usr/bin/python3 bench/startup/first_about.py build/ui/quenlith [runs]

Starts the game on a private Xvfb with a session bus, clicks the emblem either at once
when the first board pixel shows (the box may not be prepared yet) or a second later
(prepared), and times the click to the box's first pixel on the screen.
"""

import os
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display
from Xlib.ext import xtest

SCREEN = (1280, 1024)
# Both windows are centred; the probe lies inside the box, on the main window's picture.
PROBE = (SCREEN[0] // 2 - 160, SCREEN[1] // 2 - 80)
BOARD = (SCREEN[0] // 2 - 240 + 245, SCREEN[1] // 2 - 180 + 124)
EMBLEM = (SCREEN[0] // 2 - 240 + 40, SCREEN[1] // 2 - 180 + 326)
BOARD_FILLS = {0xFF7F7F, 0x7FFF7F, 0x7F7FFF}


def start_line(command):
    """Starts a server that writes where it listens on the descriptor given last."""
    read_end, write_end = os.pipe()
    process = subprocess.Popen(command + [str(write_end)], pass_fds=(write_end,),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as source:
        return process, source.readline().strip()


def pixel(server, place):
    image = server.screen().root.get_image(place[0], place[1], 1, 1, X.ZPixmap, 0xFFFFFFFF)
    data = image.data
    return data[0] | data[1] << 8 | data[2] << 16


def wait_for(test, limit=10.0):
    end = time.monotonic() + limit
    while time.monotonic() < end:
        if test():
            return True
    return False


def click(server, place):
    xtest.fake_input(server, X.MotionNotify, x=place[0], y=place[1])
    xtest.fake_input(server, X.ButtonPress, 1)
    xtest.fake_input(server, X.ButtonRelease, 1)
    server.sync()


def one_opening(game, server, env, settle):
    process = subprocess.Popen([game], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        if not wait_for(lambda: pixel(server, BOARD) in BOARD_FILLS):
            raise RuntimeError("no board on the screen")
        time.sleep(settle)
        before = pixel(server, PROBE)
        start = time.monotonic()
        click(server, EMBLEM)
        if not wait_for(lambda: pixel(server, PROBE) != before):
            raise RuntimeError("the About box did not show")
        return (time.monotonic() - start) * 1000
    finally:
        process.kill()
        process.wait()
        time.sleep(0.2)


def main():
    game = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 11
    xvfb, number = start_line(["Xvfb", "-noreset", "-nolisten", "tcp", "-screen", "0",
                                 "%dx%dx24" % SCREEN, "-displayfd"])
    bus, address = start_line(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                               "--print-address"])
    env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb",
               DBUS_SESSION_BUS_ADDRESS=address,
               XDG_RUNTIME_DIR=os.environ.get("XDG_RUNTIME_DIR") or tempfile.mkdtemp())
    try:
        server = display.Display(":" + number)
        one_opening(game, server, env, 0.5)  # warms the caches
        for name, settle in (("at the first frame", 0.0), ("a second later", 1.0)):
            times = [one_opening(game, server, env, settle) for _ in range(runs)]
            print("About box, clicked %-18s: first opening median %5.1f ms (%.1f..%.1f), "
                  "%d runs" % (name, statistics.median(times), min(times), max(times), runs))
    finally:
        bus.kill()
        xvfb.kill()
        bus.wait()
        xvfb.wait()


if __name__ == "__main__":
    main()

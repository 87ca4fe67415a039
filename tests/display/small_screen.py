#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""On a screen smaller than the window (400 by 300, under openbox) the window's frame keeps
its top-left corner on the screen, so its title bar and the painted buttons near it stay
reachable."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import board as B  # noqa: E402
import desktop as D  # noqa: E402
from xsession import XSession  # noqa: E402


def main(binary):
    with XSession(width=400, height=300, wm=True) as s:
        game = s.start([binary])
        win = s.find_window("Quenlith")
        try:
            s.wait_for(lambda: D.frame(s, win)[:2] == (0, 0) and D.frame(s, win)[3] > 360)
        except TimeoutError:
            sys.exit(f"on a 400x300 screen the framed window lies at {D.frame(s, win)}")
        first = s.wait_for(lambda: B.read_board(s, win), what="the board")
        x, y, _, _ = s.geometry(win)
        s.click(x + 94, y + 136)  # the new-game button
        s.wait_for(lambda: B.read_board(s, win) not in (None, first), what="a new board")
        s.quit_game(game)
    print("ok: the window's top-left corner stays on a small screen")


if __name__ == "__main__":
    main(sys.argv[1])

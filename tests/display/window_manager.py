#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game under a window manager (openbox): the window is centred with its decorations,
cannot be resized or maximised, keeps the grid's place on the easy level and the highlight
mode through minimise and restore; the About box is titled "QUENLITH", is the main window's
transient and lies over it; the close box ends the game with status 0."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import board as B  # noqa: E402
import desktop as D  # noqa: E402
from waiting import limit  # noqa: E402
from Xlib import Xatom  # noqa: E402
from xsession import XSession  # noqa: E402

EASY_PLACE = (206, 84)  # the grid on the easy level, 12 by 12


def framed_cell(s, win):
    """The cell of the easy board that shows the white current-cell frame, if any."""
    x0, y0 = B.cell_origin(s, win, 0, 0, EASY_PLACE)
    pixels = s.grab(x0, y0, 12 * 16, 12 * 16)
    cells = [(c, r) for r in range(12) for c in range(12)
             if pixels.at(c * 16 + 1, r * 16 + 8) == (255, 255, 255)]
    return cells[0] if len(cells) == 1 else None


def check(condition, message):
    if not condition:
        sys.exit(message)


def main(binary):
    with XSession(wm=True) as s:
        game = s.start([binary])
        win = s.find_window("Quenlith")
        sw, sh = s.size

        def centred():
            x, y, w, h = D.frame(s, win)
            return abs(2 * x + w - sw) <= 2 and abs(2 * y + h - sh) <= 2 and h > 360
        try:
            s.wait_for(centred, what="the framed window centred")
        except TimeoutError:
            sys.exit(f"the window with its frame {D.frame(s, win)} is not centred on {sw}x{sh}")
        actions = D.allowed_actions(s, win)
        check(actions, "the window manager lists no allowed actions")
        check(not actions & {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
                             "_NET_WM_ACTION_MAXIMIZE_VERT"},
              f"the window may be resized or maximised: {sorted(actions)}")
        before = s.geometry(win)
        s.click(*D.title_button(s, win, 1))  # the maximise button openbox shows anyway
        D.ask_manager(s, win, "_NET_WM_STATE", [1, s.conn.intern_atom(
            "_NET_WM_STATE_MAXIMIZED_VERT"), s.conn.intern_atom("_NET_WM_STATE_MAXIMIZED_HORZ"), 2])
        D.barrier(s, win)
        check(s.geometry(win) == before and not any("MAXIMIZED" in a for a in D.states(s, win)),
              f"the window was maximised: {s.geometry(win)}, {sorted(D.states(s, win))}")

        # The easy level, highlight mode 0 and a current cell, then minimise and restore.
        x, y, _, _ = s.geometry(win)
        s.click(x + 380, y + 333)
        s.wait_for(lambda: B.read_board(s, win, 12, 12, EASY_PLACE), what="the easy board")
        s.tap("h", ["Control_L"])
        cx, cy = B.cell_origin(s, win, 5, 4, EASY_PLACE)
        s.move(cx + 8, cy + 8)
        s.wait_for(lambda: framed_cell(s, win) == (5, 4), what="the frame on cell (5, 4)")
        D.minimise(s, win)
        s.wait_for(lambda: D.iconic(win), what="the window minimised")
        D.restore(s, win)
        s.wait_for(lambda: not D.iconic(win) and D.viewable(win), what="the window restored")
        try:
            s.wait_for(lambda: B.read_board(s, win, 12, 12, EASY_PLACE) and
                       framed_cell(s, win) == (5, 4),
                       seen=lambda: (B.read_board(s, win, 12, 12, EASY_PLACE),
                                     f"frame on {framed_cell(s, win)}"))
        except TimeoutError as error:
            sys.exit(f"after minimise and restore the easy board or its cell frame moved: {error}")

        # The About box: its title, its owner, its place over the game; a click closes it.
        check(s.title(win) == "Quenlith", f"the main window is titled {s.title(win)!r}")
        x, y, _, _ = s.geometry(win)
        s.click(x + 40, y + 326)
        about = s.find_window("QUENLITH")
        owner = about.get_full_property(Xatom.WM_TRANSIENT_FOR, Xatom.WINDOW)
        check(owner and owner.value[0] == win.id, "the About box is not the game's transient")
        ax, ay, aw, ah = D.frame(s, about)
        gx, gy, gw, gh = D.frame(s, win)
        check(gx <= ax and gy <= ay and ax + aw <= gx + gw and ay + ah <= gy + gh,
              f"the About box {D.frame(s, about)} does not lie over the game {D.frame(s, win)}")
        s.click(ax + aw // 2, ay + ah // 2)
        s.wait_for(lambda: not D.viewable(about), what="the About box closed")

        s.click(*D.title_button(s, win, 0))  # the close box
        try:
            status = game.wait(timeout=limit(10))
        except Exception:
            sys.exit("the close box did not end the game")
        check(status == 0, f"the close box ended the game with status {status}")
    print("ok: centred with its frame, fixed size, minimise keeps the board, About box, close")


if __name__ == "__main__":
    main(sys.argv[1])

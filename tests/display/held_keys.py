#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Held keys on a real X server with auto-repeat on. Holding Space and releasing it once
plays exactly one move, on an idle machine and with both cores busy (the X server sends a
release before every repeat, and telling those from the real one must not depend on timing).
Holding Ctrl+Z still undoes again and again, since shortcuts act on each repeated press."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import board as B  # noqa: E402
from xsession import XSession  # noqa: E402

HOLD = 0.8  # seconds: with the server's 150 ms delay and 20 ms interval, some 30 repeats


def board_now(s, win):
    return s.wait_for(lambda: B.steady_board(s, win), what="the board on screen")


def settled(s, win, expected):
    """Waits until the screen shows `expected`; returns what it shows at the end."""
    try:
        return s.wait_for(lambda: (b := B.read_board(s, win)) == expected and b,
                          what="the expected board")
    except TimeoutError:
        return B.read_board(s, win)


def best_cell(s, win):
    """A cell of the board on screen where several moves in a row are possible."""
    for _ in range(20):
        start = board_now(s, win)
        col, row = max(((c, r) for r in range(8) for c in range(8)),
                       key=lambda cell: B.chain(start, *cell))
        if B.chain(start, col, row) >= 2:
            return start, col, row
        s.tap("n", ["Control_L"])  # a new board
        s.wait_for(lambda: B.steady_board(s, win) not in (None, start), what="a new board")
    raise AssertionError("no board with two moves in a row at one cell")


def hold(s, key, modifiers=()):
    for mod in modifiers:
        s.key(mod, True)
    s.key(key, True)
    time.sleep(HOLD)  # holding the key is the point: repeats flow meanwhile
    s.key(key, False)
    for mod in reversed(modifiers):
        s.key(mod, False)


def held_space_plays_once(s, win, busy):
    start, col, row = best_cell(s, win)
    x, y = B.cell_origin(s, win, col, row)
    s.move(x + 8, y + 8)
    load = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(busy)]
    try:
        hold(s, "space")
    finally:
        for proc in load:
            proc.kill()
            proc.wait()
    expected = B.play(start, col, row)
    shown = settled(s, win, expected)
    if shown != expected:
        moves, b = 0, start
        while b is not None and b != shown:
            b, moves = B.play(b, col, row), moves + 1
        sys.exit(f"held Space ({busy} busy cores) made {moves if b else 'some other'} moves "
                 f"at ({col}, {row}), not one\nbefore: {start}\nafter: {shown}")


def main(binary):
    with XSession(server_args=["-ardelay", "150", "-arinterval", "20"]) as s:
        s.set_auto_repeat(True)
        game = s.start([binary])
        win = s.find_window("Quenlith")
        board_now(s, win)
        held_space_plays_once(s, win, busy=0)
        held_space_plays_once(s, win, busy=2)

        # Undo: a few more moves, then Ctrl+Z held goes back through all of them.
        before = board_now(s, win)
        s.tap("n", ["Control_L"])  # a new game, whose history holds only what follows
        boards = [s.wait_for(lambda: (b := B.steady_board(s, win)) not in (None, before) and b,
                             what="a new board")]
        while len(boards) < 4:
            start, col, row = best_cell(s, win)
            if start != boards[-1]:  # another new game began: count from it
                boards = [start]
            x, y = B.cell_origin(s, win, col, row)
            boards.append(B.play(start, col, row))
            s.click(x + 8, y + 8)
            if settled(s, win, boards[-1]) != boards[-1]:
                sys.exit("a click did not make its move")
        hold(s, "z", ["Control_L"])
        shown = settled(s, win, boards[0])
        if shown != boards[0]:
            left = len(boards) - 1 - boards.index(shown) if shown in boards else "some"
            sys.exit(f"held Ctrl+Z undid {left} of three moves")
        s.quit_game(game)
    print("ok: held Space plays once, idle and busy; held Ctrl+Z undoes repeatedly")


if __name__ == "__main__":
    main(sys.argv[1])

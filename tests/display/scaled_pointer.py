#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Pointing at scale 2 on a real X server: every device pixel selects the cell whose span
contains it. The second device pixel of a cell's last logical pixel still belongs to that
cell, the inner device pixel of the view's frame and the spare strip select nothing, and a
click there plays the cell under it."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import board as B  # noqa: E402
from xsession import XSession  # noqa: E402

SCALE = 2


def framed_cell(s, win):
    """The cell that shows the white current-cell frame (highlight mode 0)."""
    x0, y0 = B.cell_origin(s, win, 0, 0, scale=SCALE)
    size = B.CELL * SCALE
    pixels = s.grab(x0, y0, 8 * size, 8 * size)
    framed = [(c, r) for r in range(8) for c in range(8)
              if pixels.at(c * size + SCALE, r * size + size // 2) == (255, 255, 255)]
    return framed[0] if len(framed) == 1 else None


def main(binary):
    with XSession(width=1200, height=900) as s:
        game = s.start([binary], env={"QT_SCALE_FACTOR": str(SCALE)})
        win = s.find_window("Quenlith")
        s.wait_for(lambda: B.read_board(s, win, scale=SCALE), what="the board")
        s.tap("h", ["Control_L"])  # highlight mode 2 -> 0: the current cell gets a frame
        x0, y0 = B.cell_origin(s, win, 0, 0, scale=SCALE)  # device pixel of client (0, 0)
        edge = B.CELL * SCALE

        def point(dx, dy, expected, what):
            s.move(x0 + dx, y0 + dy)
            try:
                s.wait_for(lambda: framed_cell(s, win) == expected)
            except TimeoutError:
                sys.exit(f"{what}: device pixel ({dx}, {dy}) from the first cell selects "
                         f"{framed_cell(s, win)}, not {expected}")

        mid = 3 * edge + edge // 2  # the middle of row or column 3
        for k in range(7):
            point((k + 1) * edge - 1, mid, (k, 3), f"last device pixel of column {k}")
            point((k + 1) * edge, mid, (k + 1, 3), f"first device pixel of column {k + 1}")
            point(mid, (k + 1) * edge - 1, (3, k), f"last device pixel of row {k}")
            point(mid, (k + 1) * edge, (3, k + 1), f"first device pixel of row {k + 1}")
        point(mid, mid, (3, 3), "the middle of cell (3, 3)")
        point(-1, mid, (3, 3), "the frame's inner device pixel on the left")
        point(mid, -1, (3, 3), "the frame's inner device pixel at the top")
        point(7 * edge + 1, mid, (7, 3), "the last device pixel of column 7")
        point(8 * edge, mid, (7, 3), "the strip right of the cells")
        point(8 * edge + 3, 7 * edge + 1, (7, 3), "the strip's last device pixel")

        # A release on a cell's last device pixel plays that cell, not its neighbour.
        start = s.wait_for(lambda: B.steady_board(s, win, scale=SCALE), what="the board")
        cells = [(c, r) for r in range(8) for c in range(7)
                 if B.play(start, c, r) is not None and B.play(start, c, r) != B.play(start, c + 1, r)]
        if cells:
            c, r = cells[0]
            s.click(x0 + (c + 1) * edge - 1, y0 + r * edge + edge // 2)
            expected = B.play(start, c, r)
            try:
                s.wait_for(lambda: B.read_board(s, win, scale=SCALE) == expected,
                           seen=lambda: B.read_board(s, win, scale=SCALE))
            except TimeoutError as error:
                sys.exit(f"a click on the last device pixel of cell ({c}, {r}) played another "
                         f"cell: {error}")
        s.quit_game(game)
    print("ok: at scale 2 every device pixel selects the cell that contains it")


if __name__ == "__main__":
    main(sys.argv[1])

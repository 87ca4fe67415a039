# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's board as the screen shows it, and the game's rules to predict a move.

Reads colour mode at any scale: the colour of a cell's centre pixel names its box."""

import time

PALETTE = [(0x00, 0x00, 0x00), (0xFF, 0x7F, 0x7F), (0x7F, 0xFF, 0x7F), (0x7F, 0x7F, 0xFF),
           (0x61, 0xC0, 0x61), (0x74, 0xBA, 0xCB), (0xFF, 0xFF, 0x7F), (0x7F, 0xFF, 0xFF)]
START_PLACE = (236, 115)  # the board view in the window at start-up, 8 by 8
CELL = 16


def cell_origin(session, win, col, row, place=START_PLACE, scale=1):
    """Screen position of a cell's top-left pixel (inside the view's one-pixel frame). `win`
    is an X window, or the screen position of the client area where X knows no window."""
    x, y = win if isinstance(win, tuple) else session.geometry(win)[:2]
    return (x + round((place[0] + 1 + col * CELL) * scale),
            y + round((place[1] + 1 + row * CELL) * scale))


def read_board(session, win, cols=8, rows=8, place=START_PLACE, scale=1):
    """The board as rows of colour bytes, or None while a cell shows no palette colour."""
    x0, y0 = cell_origin(session, win, 0, 0, place, scale)
    size = round(CELL * scale)
    pixels = session.grab(x0, y0, cols * size, rows * size)
    board = []
    for row in range(rows):
        line = []
        for col in range(cols):
            rgb = pixels.at(col * size + size // 2, row * size + size // 2)
            if rgb not in PALETTE:
                return None
            line.append(PALETTE.index(rgb))
        board.append(line)
    return board


def steady_board(session, win, *args, **kwargs):
    """The board once two reads 50 ms apart agree (a repaint may be on its way to the
    screen in parts), or None; use inside wait_for."""
    first = read_board(session, win, *args, **kwargs)
    time.sleep(0.05)
    return first if first is not None and first == read_board(session, win, *args, **kwargs) \
        else None


def group(board, col, row):
    """The cells (col, row) of the group at a cell, empty or not."""
    colour, seen, todo = board[row][col], set(), [(col, row)]
    while todo:
        c, r = todo.pop()
        if (c, r) in seen or not (0 <= r < len(board) and 0 <= c < len(board[0])):
            continue
        if board[r][c] != colour:
            continue
        seen.add((c, r))
        todo += [(c + 1, r), (c - 1, r), (c, r + 1), (c, r - 1)]
    return seen


def play(board, col, row):
    """The settled board after a move at (col, row), or None when no move is possible."""
    if board[row][col] == 0:
        return None
    removed = group(board, col, row)
    if len(removed) < 2:
        return None
    rows, cols = len(board), len(board[0])
    columns = []
    for c in range(cols):
        boxes = [board[r][c] for r in range(rows) if (c, r) not in removed and board[r][c]]
        if boxes:
            columns.append([0] * (rows - len(boxes)) + boxes)
    columns += [[0] * rows] * (cols - len(columns))
    return [[columns[c][r] for c in range(cols)] for r in range(rows)]


def chain(board, col, row):
    """How many moves in a row the same cell allows."""
    count = 0
    while (board := play(board, col, row)) is not None:
        count += 1
    return count

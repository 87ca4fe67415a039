# SPDX-License-Identifier: GPL-3.0-or-later
"""The game played through the desktop's accessibility bus, as a screen reader plays it:
a private X server and D-Bus session, the AT-SPI bus switched on as a desktop does, and
the real game. Usage: a11y_test.py CASE GAME_BINARY, CASE one of those at the end."""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "display"))
import board as B  # noqa: E402
from atspi import AtSpi  # noqa: E402
from waiting import limit  # noqa: E402
from xsession import XSession  # noqa: E402

# What each fill colour of the board is called.
WORDS = {(0, 0, 0): "empty", (255, 127, 127): "red", (127, 255, 127): "light green",
         (127, 127, 255): "blue", (97, 192, 97): "dark green", (116, 186, 203): "teal",
         (255, 255, 127): "yellow", (127, 255, 255): "cyan"}
BUTTONS = ["New game", "Undo", "Quit", "About", "Easy level", "Medium level", "Hard level"]
LOSS = "You lose! Tvy again."


def cells(board):
    table = board.queryTable()
    return [table.getAccessibleAt(r, c) for r in range(table.nRows)
            for c in range(table.nColumns)]


def centre(a11y, obj):
    x, y, w, h = a11y.extents(obj)
    return x + w // 2, y + h // 2


def names(board):
    return [cell.name for cell in cells(board)]


def boxes(board):
    return int(board.description.split()[1])  # "Boxes: 64  Groups: 20"


def on_screen(s, a11y, board):
    """The colour word of every cell, read from the screen at the cell's centre."""
    return [WORDS.get(s.pixel(*centre(a11y, cell))) for cell in cells(board)]


def names_and_colours(s, a11y, board):
    return f"names {names(board)}, on screen {on_screen(s, a11y, board)}"


def playable(board):
    return next((c for c in cells(board) if c.description.startswith("Can be")), None)


def play(s, a11y, board, cell):
    before = board.description
    s.click(*centre(a11y, cell))
    a11y.wait_for(lambda: board.description != before, what="the board to change")


def check_buttons(s, a11y, app, frame, board):
    for name in BUTTONS:
        button = a11y.find(frame, "push button", name)
        assert button is not None, f"no push button {name!r}"
        assert a11y.actions(button) == ["Press"], (name, a11y.actions(button))
        assert not button.getState().contains(a11y.pyatspi.STATE_FOCUSABLE), name
    shown = a11y.wait_for(lambda: on_screen(s, a11y, board), what="the board on screen")
    a11y.press(a11y.find(frame, "push button", "New game"))
    a11y.wait_for(lambda: on_screen(s, a11y, board) != shown, what="a new board on screen")
    a11y.press(a11y.find(frame, "push button", "Easy level"))

    def easy_board_shown():
        words = on_screen(s, a11y, board)
        return len(words) == 144 and None not in words
    a11y.wait_for(easy_board_shown, what="a 12 by 12 board on screen")


def check_table(s, a11y, app, frame, board):
    table = board.queryTable()
    assert (table.nRows, table.nColumns, board.childCount) == (8, 8, 64)
    a11y.wait_for(lambda: names(board) == on_screen(s, a11y, board), what="names as on screen",
                  seen=lambda: names_and_colours(s, a11y, board))
    before, cell = boxes(board), playable(board)
    group = int(cell.description.split()[-2])  # "Can be played, a group of 5 boxes"
    a11y.events.clear()
    play(s, a11y, board, cell)
    assert before - boxes(board) == group, (before, boxes(board), group)
    a11y.wait_for(lambda: names(board) == on_screen(s, a11y, board), what="names after a move",
                  seen=lambda: names_and_colours(s, a11y, board))
    assert "empty" in names(board)

    def changes():
        return [src.getRoleName() for kind, src, _ in a11y.events
                if kind.startswith("object:property-change") and src.getRoleName() != "label"]
    a11y.wait_for(lambda: "table" in changes(), what="the table's change signal", seen=changes)
    a11y.pump(limit(0.2))  # room for a second signal, which must not come
    assert changes() == ["table"], f"one change signal per move, not {changes()}"
    # Five colours, both greens among them, on a board of another size.
    a11y.press(a11y.find(frame, "push button", "Hard level"))
    a11y.wait_for(lambda: board.queryTable().nRows == 16, what="the hard board")
    a11y.wait_for(lambda: names(board) == on_screen(s, a11y, board), what="the hard board's names",
                  seen=lambda: names_and_colours(s, a11y, board))
    assert {"light green", "dark green", "teal"} <= set(names(board))


def check_focus(s, a11y, app, frame, board):
    table = board.queryTable()

    def focused_cell():
        found = [src for kind, src, _ in a11y.events if kind == "focus:"
                 and src.getRoleName() == "table cell"]
        if not found:
            return None
        index = found[-1].getIndexInParent()
        return (table.getRowAtIndex(index), table.getColumnAtIndex(index)), found[-1]
    # The start's focus event may be sent before the bridge has joined the bus; the
    # current cell is the selected one in any case.
    def selected():
        states = [c.getState().contains(a11y.pyatspi.STATE_SELECTED) for c in cells(board)]
        return divmod(states.index(True), 8) if states.count(True) == 1 else None
    row, col = a11y.wait_for(selected, what="the current cell as the selected one")
    for key, step in [("Right", (0, 1)), ("Down", (1, 0)), ("Left", (0, -1)), ("Up", (-1, 0))]:
        row = min(max(row + step[0], 0), 7) if step[0] else row
        col = min(max(col + step[1], 0), 7) if step[1] else col
        a11y.events.clear()
        s.tap(key)
        place, cell = a11y.wait_for(focused_cell, what=f"a focus event after {key}")
        assert place == (row, col), (key, place, (row, col))
        assert cell.name == WORDS[s.pixel(*centre(a11y, cell))]


def grid(board):
    """The board as the screen reader tells it: rows of colour numbers as board.py has them."""
    number = {WORDS[rgb]: n for n, rgb in enumerate(B.PALETTE)}
    table = board.queryTable()
    return [[number[table.getAccessibleAt(r, c).name] for c in range(table.nColumns)]
            for r in range(table.nRows)]


def losing_line(start, budget=20000):
    """Moves (col, row) that leave boxes and no move, found from `start` by trying the
    groups in order and stepping back from a win; None when there are none (within
    `budget` boards)."""
    tried = 0

    def search(b):
        nonlocal tried
        seen, any_move = set(), False
        for r, c in ((r, c) for r in range(len(b)) for c in range(len(b[0]))):
            if (c, r) in seen or (after := B.play(b, c, r)) is None:
                continue
            seen |= B.group(b, c, r)
            any_move, tried = True, tried + 1
            if tried > budget:
                return None
            if (line := search(after)) is not None:
                return [(c, r)] + line
        return None if any_move or not any(any(row) for row in b) else []
    return search(start)


def check_loss(s, a11y, app, frame, board):
    message = a11y.find(frame, "notification")
    assert message is not None and not a11y.showing(message)

    def announced():  # by the message line; the answers to each move come from elsewhere
        return [src.name for kind, src, shown in a11y.events if src == message and shown]
    # The way to a loss is read from the board dealt; only a board that every line clears
    # (next to none) is dealt anew.
    for _ in range(5):
        line = losing_line(grid(board))
        if line is not None:
            break
        before = board.description
        a11y.press(a11y.find(frame, "push button", "New game"))
        a11y.wait_for(lambda: board.description != before, what="a new game")
    else:
        raise AssertionError("no board with a way to lose was dealt")
    table = board.queryTable()
    for col, row in line:
        play(s, a11y, board, table.getAccessibleAt(row, col))
    heard = a11y.wait_for(announced, what="the loss announced")
    assert heard == [LOSS], heard
    assert message.name == LOSS and a11y.showing(message)


def check_about(s, a11y, app, frame, board):
    under = s.grab(0, 0, *s.size)
    a11y.press(a11y.find(frame, "push button", "About"))
    dialog = a11y.wait_for(lambda: a11y.find(app, "dialog", "QUENLITH"), what="the About box")
    a11y.wait_for(lambda: a11y.showing(dialog), what="the About box shown")
    area = a11y.extents(dialog)

    def painted():  # the bus may tell of the box before the screen shows it
        first = s.grab(*area).data
        time.sleep(0.05)
        return first if first != under.crop(*area) and s.grab(*area).data == first else None
    shown = s.wait_for(painted, what="the About box on the screen, painted whole")
    assert [link.getRoleName() for link in (dialog.getChildAtIndex(i)
            for i in range(dialog.childCount))].count("link") == 2
    picture = a11y.find(dialog, "image")
    assert a11y.actions(picture) == ["Press"]
    # A reader closes the box by the picture's press action or by a click at its centre,
    # and its click command may click that centre once more: the repeat must not play on
    # the board, and the click after it plays at once.
    x, y = centre(a11y, picture)
    cell = next(c for c in cells(board) if a11y.extents(c)[0] <= x < sum(a11y.extents(c)[::2])
                and a11y.extents(c)[1] <= y < sum(a11y.extents(c)[1::2]))
    assert cell.description.startswith("Can be"), "pick a seed with a group under the box"
    for close in (lambda: a11y.press(picture), lambda: s.click(x, y)):
        before, removed = grid(board), int(cell.description.split()[-2])
        if not a11y.showing(dialog):
            a11y.press(a11y.find(frame, "push button", "About"))
            a11y.wait_for(lambda: a11y.showing(dialog), what="the About box shown again")
        close()
        a11y.wait_for(lambda: not a11y.showing(dialog), what="the About box to close")
        s.wait_for(lambda: s.grab(*area).data != shown, what="the About box gone from the screen")
        s.click(x, y)
        s.click(x, y)
        a11y.wait_for(lambda: grid(board) != before, what="the click after the repeat to play")
        a11y.pump(limit(0.2))  # room for a second move, which must not come
        assert boxes(board) == sum(map(bool, sum(before, []))) - removed, (grid(board), before)
        a11y.press(a11y.find(frame, "push button", "Undo"))
        a11y.wait_for(lambda: grid(board) == before, what="the undo")


def desktop_bus_races():
    """Sanitizer options that pass over what Qt's D-Bus thread hands to the main thread
    (only the ThreadSanitizer build reads them; tsan-desktop.supp says why)."""
    supp = os.path.join(os.path.dirname(os.path.abspath(__file__)), "tsan-desktop.supp")
    return {"TSAN_OPTIONS": ":".join(filter(None, [os.environ.get("TSAN_OPTIONS"),
                                                   f"suppressions={supp}"]))}


def main():
    case, binary = sys.argv[1], sys.argv[2]
    with XSession(dbus=True) as s, AtSpi(s) as a11y:
        s.move(0, 0)  # the pointer selects the cell under it; keep it off the board
        a11y.record("focus:", "object:state-changed:showing", "object:property-change")
        s.start([binary, "--seed", "7"], env=desktop_bus_races())
        app = a11y.app("Quenlith")
        frame = a11y.wait_for(lambda: a11y.find(app, "frame", "Quenlith"), what="the frame")
        board = a11y.find(frame, "table", "Board")
        globals()["check_" + case](s, a11y, app, frame, board)
    print(f"{case}: ok")


if __name__ == "__main__":
    main()

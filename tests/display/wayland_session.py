#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game in a Wayland session (weston): it starts as a native Wayland client by itself,
paints its board, plays one move for a held Space (Qt makes the repeats there), opens its
About box as a child of the main window titled "QUENLITH", closes it, quits with status 0,
and says nothing on its way (no warning about what Wayland does not let a client do)."""

import os
import re
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import board as B  # noqa: E402
from wayland import Weston  # noqa: E402
from xsession import XSession  # noqa: E402

BLACK = (0, 0, 0)


def library_leaks():
    """Sanitizer options that pass over what the Wayland libraries keep until exit (only
    sanitizer builds read them). Full stacks reach past the driver Mesa unloads at exit."""
    supp = os.path.join(os.path.dirname(os.path.abspath(__file__)), "wayland-lsan.supp")
    extend = lambda name, more: ":".join(filter(None, [os.environ.get(name), more]))  # noqa: E731
    return {"LSAN_OPTIONS": extend("LSAN_OPTIONS", f"suppressions={supp}:print_suppressions=0"),
            "ASAN_OPTIONS": extend("ASAN_OPTIONS", "fast_unwind_on_malloc=0")}


def traffic(log):
    """The lines the game has written so far, read without moving the offset it writes at."""
    return os.pread(log.fileno(), os.fstat(log.fileno()).st_size, 0).decode(errors="replace") \
        .splitlines()


def find_board(s, width, height):
    """Screen position of the client area, found by the board view's black top edge."""
    pixels = s.grab(0, 0, width, height)
    for y in range(height):
        run = 0
        for x in range(width):
            run = run + 1 if pixels.at(x, y) == BLACK else 0
            if run == 132 and (x + 1 == width or pixels.at(x + 1, y) != BLACK):
                return (x - 131 - B.START_PLACE[0], y - B.START_PLACE[1])
    return None


def changed_box(before, after):
    """The bounding box (x, y, w, h) of the pixels that differ between two grabs."""
    xs, ys = [], []
    for y in range(0, before.height, 2):
        for x in range(0, before.width, 2):
            if before.at(x, y) != after.at(x, y):
                xs.append(x)
                ys.append(y)
    return (min(xs), min(ys), max(xs) - min(xs), max(ys) - min(ys)) if xs else None


def main(binary):
    log = tempfile.TemporaryFile(mode="w+")
    with XSession(width=900, height=700) as s:
        with Weston(s) as weston:
            w, h = weston.size
            game = s.start([binary], env=dict(weston.env, WAYLAND_DEBUG="client",
                                              **library_leaks()), output=log)
            origin = s.wait_for(lambda: find_board(s, w, h), what="the board in weston")
            if any(s.title(win) == "Quenlith" for win in s._clients(s.root)):
                sys.exit("the game opened an X window, not a Wayland one")
            start = s.wait_for(lambda: B.steady_board(s, origin), what="the board's colours")

            # Held Space: one move, although Qt repeats the key while it is down.
            col, row = max(((c, r) for r in range(8) for c in range(8)),
                           key=lambda cell: B.chain(start, *cell))
            x, y = B.cell_origin(s, origin, col, row)
            s.tap("h", ["Control_L"])  # highlight mode 0: the current cell shows a frame
            nudge = [0]

            def framed():  # moves until weston passes the pointer on (see wayland.py)
                nudge[0] ^= 1
                s.move(x + 7 + nudge[0], y + 8)
                return s.pixel(x + 1, y + 12) == (255, 255, 255)
            s.wait_for(framed, what="the frame on the cell under the pointer", interval=0.05)
            # Weston draws the pointer into its output: park it off the board.
            park = (origin[0] + 40, origin[1] + 326)  # on the emblem
            s.move(*park)
            s.key("space", True)
            time.sleep(1.0)  # past weston's repeat delay: Qt sends repeats meanwhile
            s.key("space", False)
            expected = B.play(start, col, row) or start
            try:
                s.wait_for(lambda: B.read_board(s, origin) == expected,
                           seen=lambda: B.read_board(s, origin))
            except TimeoutError as error:
                sys.exit(f"held Space on Wayland did not make exactly one move at {(col, row)}: "
                         f"{error}")

            # The About box, from the emblem, and a click on it that closes it.
            before = s.grab(0, 0, w, h)
            s.click(*park)
            box = s.wait_for(lambda: changed_box(before, s.grab(0, 0, w, h)),
                             what="the About box")
            s.click(box[0] + box[2] // 2, box[1] + box[3] // 2)
            s.move(*park)
            s.wait_for(lambda: changed_box(before, s.grab(0, 0, w, h)) is None,
                       what="the About box gone")
            s.click(origin[0] + 108, origin[1] + 226)  # the quit button
            # A busy machine may take its time over the click and the exit; a time-out tells
            # whether the click reached the game (its last Wayland events) and what shows.
            s.wait_for(lambda: game.poll() is not None, what="the game to quit",
                       seen=lambda: f"{s.describe()}\nthe game's last Wayland events:\n"
                       + "\n".join(traffic(log)[-12:]))
            status = game.returncode
    log.seek(0)
    lines = log.read().splitlines()
    protocol = [line for line in lines if re.match(r"^\[\s*\d+\.\d+\]", line)]
    said = [line for line in lines if line not in protocol]
    main_id = next((m.group(1) for line in protocol if (m := re.search(
        r'-> xdg_toplevel@(\d+)\.set_title\("Quenlith"\)', line))), None)
    if main_id is None:
        sys.exit('the main window is not a Wayland toplevel titled "Quenlith"')
    if not any(re.search(r"-> xdg_toplevel@\d+\.set_title\(\"QUENLITH\"\)", line) for line in protocol):
        sys.exit('the About box is not titled "QUENLITH"')
    if not any(f"set_parent(xdg_toplevel@{main_id})" in line for line in protocol):
        sys.exit("the About box is not a child of the main window")
    if said:
        sys.exit("the game said on Wayland:\n" + "\n".join(said))
    if status != 0:
        sys.exit(f"the game ended with status {status}")
    print("ok: native on Wayland, one move for a held Space, About box, quit, no warnings")


if __name__ == "__main__":
    main(sys.argv[1])

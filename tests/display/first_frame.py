#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every frame of the board the game sends to the X server, the first one included, has no
current-cell frame, whenever the window's activation arrives. The X server's RECORD
extension keeps every image the game puts (shared memory is off for it, so the pixels travel
in the requests); the board area is rebuilt from them in order and checked after each one."""

import os
import struct
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import board as B  # noqa: E402
from Xlib import X, display as xdisplay  # noqa: E402
from Xlib.ext import record  # noqa: E402
from waiting import limit  # noqa: E402
from xsession import XSession  # noqa: E402

PUT_IMAGE = 72
LEFT, TOP = B.START_PLACE[0] + 1, B.START_PLACE[1] + 1  # the cells, in window coordinates
SIDE = 8 * B.CELL


def put_images(requests):
    """(x, y, width, height, pixel rows) of each ZPixmap depth-24 PutImage, in order."""
    for data in requests:
        offset = 4 if struct.unpack_from("<H", data, 2)[0] else 8  # BIG-REQUESTS length
        _, _, width, height, x, y, _, depth = struct.unpack_from("<IIHHhhBB", data, offset)
        if data[1] == X.ZPixmap and depth == 24:
            yield x, y, width, height, data[offset + 20:]


def frames_with_a_cell_frame(requests):
    """Numbers of the board states, from its first complete paint on, that show a frame."""
    board, painted, states, framed = bytearray(SIDE * SIDE * 4), set(), 0, []
    for x, y, width, height, pixels in put_images(requests):
        for row in range(max(y, TOP), min(y + height, TOP + SIDE)):
            left, right = max(x, LEFT), min(x + width, LEFT + SIDE)
            if left >= right:
                continue
            source = ((row - y) * width + left - x) * 4
            target = ((row - TOP) * SIDE + left - LEFT) * 4
            board[target:target + (right - left) * 4] = pixels[source:source + (right - left) * 4]
            if left == LEFT and right == LEFT + SIDE:
                painted.add(row)
        if len(painted) < SIDE:
            continue
        states += 1
        # A cell frame runs one pixel inside its cell, in white, which no box is.
        spots = [(c * 16 + 1, r * 16 + 8) for r in range(8) for c in range(8)]
        if any(board[(py * SIDE + px) * 4:(py * SIDE + px) * 4 + 3] == b"\xff\xff\xff"
               for px, py in spots):
            framed.append(states)
    return states, framed


class RecorderLost(Exception):
    """The X server dropped the recording connection (it fell behind on a loaded machine):
    a fault of the harness, not of the game, so the run is made again."""


def main(binary):
    with XSession() as s:
        recorder = xdisplay.Display(s.display)
        context = recorder.record_create_context(0, [record.AllClients], [{
            "core_requests": (PUT_IMAGE, PUT_IMAGE), "core_replies": (0, 0),
            "ext_requests": (0, 0, 0, 0), "ext_replies": (0, 0, 0, 0),
            "delivered_events": (0, 0), "device_events": (0, 0), "errors": (0, 0),
            "client_started": False, "client_died": False}])
        requests = []

        def keep(reply):
            if reply.category == record.FromClient:
                requests.append(reply.data)
        lost = []

        def listen():
            try:
                recorder.record_enable_context(context, keep)
            except Exception as error:  # noqa: BLE001 - any loss of the connection
                lost.append(error)
        thread = threading.Thread(target=listen)
        thread.start()

        def recorded(predicate):
            if lost:
                raise RecorderLost(lost[0])
            return predicate()
        s.move(0, 0)  # away from the window: the pointer picks no cell
        game = s.start([binary], env={"QT_XCB_NO_MITSHM": "1"})
        win = s.find_window("Quenlith")
        s.wait_for(lambda: B.read_board(s, win), what="the board on screen")
        # Without a window manager the game takes the focus itself: its activation.
        s.wait_for(lambda: s.conn.get_input_focus().focus == win, what="the activation")
        # The game reads the focus change before this exposure, and so repaints after it:
        # the frames it sends for the exposure show the board as the activation left it.
        before = len(requests)
        exposed = [0.0]

        def repainted():
            # An exposure that a loaded server or recorder let slip is asked for again.
            if time.monotonic() - exposed[0] > limit(3):
                win.clear_area(exposures=True)
                s.conn.sync()
                exposed[0] = time.monotonic()
            return recorded(lambda: frames_with_a_cell_frame(requests[before:])[0])
        s.wait_for(repainted, what="a repaint after the activation")
        s.tap("F10")
        status = game.wait(timeout=limit(10))
        s.conn.record_disable_context(context)
        s.conn.sync()
        thread.join(timeout=limit(5))
        recorder.close()
    if lost:
        raise RecorderLost(lost[0])
    states, framed = frames_with_a_cell_frame(requests)
    if not states:
        sys.exit("no complete paint of the board was recorded")
    if framed:
        sys.exit(f"board frames {framed} of {states} show a cell frame")
    if status != 0:
        sys.exit(f"the game ended with status {status}")
    print(f"ok: none of the {states} frames of the board shows a cell frame")


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except RecorderLost as error:
        print(f"the recording connection was lost ({error}); once more")
        main(sys.argv[1])

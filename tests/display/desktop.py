# SPDX-License-Identifier: GPL-3.0-or-later
"""What a window manager shows of a window: its frame, its state, its allowed actions, and
the requests a task bar or pager sends it (EWMH and ICCCM client messages to the root)."""

from Xlib import X, Xatom, error, protocol


def frame(s, win):
    """(x, y, width, height) of the window with the decorations the manager put round it."""
    x, y, w, h = s.geometry(win)
    ext = win.get_full_property(s.conn.intern_atom("_NET_FRAME_EXTENTS"), Xatom.CARDINAL)
    left, right, top, bottom = ext.value if ext else (0, 0, 0, 0)
    return (x - left, y - top, w + left + right, h + top + bottom)


def allowed_actions(s, win):
    prop = win.get_full_property(s.conn.intern_atom("_NET_WM_ALLOWED_ACTIONS"), Xatom.ATOM)
    return {s.conn.get_atom_name(a) for a in prop.value} if prop else set()


def viewable(win):
    """Whether the window is mapped and visible; a window that is gone is not."""
    try:
        return win.get_attributes().map_state == X.IsViewable
    except error.BadWindow:
        return False


def iconic(win):
    state = win.get_wm_state()
    return state is not None and state.state == 3  # IconicState


def ask_manager(s, win, message, data):
    """Sends a client message about `win` to the root, as a task bar or pager does."""
    event = protocol.event.ClientMessage(window=win, client_type=s.conn.intern_atom(message),
                                         data=(32, (list(data) + [0] * 5)[:5]))
    s.root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    s.conn.sync()


def minimise(s, win):
    ask_manager(s, win, "WM_CHANGE_STATE", [3])


def restore(s, win):
    ask_manager(s, win, "_NET_ACTIVE_WINDOW", [2, X.CurrentTime])  # 2: from a pager


def states(s, win):
    prop = win.get_full_property(s.conn.intern_atom("_NET_WM_STATE"), Xatom.ATOM)
    return {s.conn.get_atom_name(a) for a in prop.value} if prop else set()


def barrier(s, win):
    """Waits until the manager has handled everything sent to it before: it handles its
    requests in order, and this one (keep the window above others) shows in the state."""
    ask_manager(s, win, "_NET_WM_STATE", [1, s.conn.intern_atom("_NET_WM_STATE_ABOVE"), 0, 2])
    s.wait_for(lambda: "_NET_WM_STATE_ABOVE" in states(s, win), what="the window manager")


def title_button(s, win, from_right):
    """Screen point of a title bar button, counted from the right (openbox's theme: close,
    then maximise, then minimise, 18 pixels apart)."""
    x, y, w, _ = frame(s, win)
    return (x + w - 11 - 18 * from_right, y + 10)

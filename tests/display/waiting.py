# SPDX-License-Identifier: GPL-3.0-or-later
"""How long the tests on a real screen wait, in one place.

Every wait polls what the screen, the accessibility bus or the speech shows, up to a limit
that only a fault should reach: a machine busy with other work, or a sanitizer build running
the game several times slower, must not. QUENLITH_TEST_TIMEOUT_SCALE (set by CMake for each
build, larger in the sanitizer builds, together with ctest's own time-outs) multiplies every
limit; limit() gives one for waits that do not poll, such as a process's exit.

A wait that runs out says what it last saw, so a failure on a slow machine can be told from
a fault of the game."""

import os
import time

SCALE = float(os.environ.get("QUENLITH_TEST_TIMEOUT_SCALE") or 1)
# Seconds a condition may take on a loaded machine, before the build's scale.
PATIENCE = 30.0
SEEN_CHARS = 1500


def limit(seconds):
    """A time limit in seconds, grown for this build."""
    return seconds * SCALE


def wait_until(predicate, timeout, what, pause, seen=None):
    """Calls `predicate` until it returns something true, and returns that; between calls
    `pause()` waits or delivers events. After limit(timeout) seconds raises TimeoutError
    naming `what` and what was last seen: seen() if given, else the predicate's last value."""
    allowed = limit(PATIENCE if timeout is None else timeout)
    deadline = time.monotonic() + allowed
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out after {allowed:.1f} s waiting for {what}; "
                               f"last seen: {last_seen(seen, value)}")
        pause()


def last_seen(seen, value):
    if seen is None:
        text = repr(value)
    else:
        try:
            text = str(seen())
        except Exception as error:  # noqa: BLE001 - the time-out, not this, is the failure
            text = f"(could not be read: {error!r})"
    return text if len(text) <= SEEN_CHARS else "..." + text[-SEEN_CHARS:]

#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a program on a private X server and session bus, without a window manager, and
exits with its status. Usage: run_on_x.py PROGRAM [ARGUMENTS...]"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from waiting import limit  # noqa: E402
from xsession import XSession  # noqa: E402


def main(argv):
    # A session bus of its own, as on a desktop: without one libdbus tries to launch one
    # through X and leaks a buffer where it cannot.
    with XSession() as s:
        sys.stdout.flush()
        status = s.start(argv, output=sys.stdout).wait(timeout=limit(50))
    sys.exit(status)


if __name__ == "__main__":
    main(sys.argv[1:])

#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a program on a private X server without a window manager and exits with its
status. Usage: run_on_x.py PROGRAM [ARGUMENTS...]"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import XSession  # noqa: E402


def main(argv):
    with XSession(dbus=False) as s:
        sys.stdout.flush()
        status = s.start(argv, output=sys.stdout).wait(timeout=50)
    sys.exit(status)


if __name__ == "__main__":
    main(sys.argv[1:])

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a reachable display the game says so in one line and exits with 1, never a crash.
set -u
game=$1
failed=0
expect_one_line() {
  local what=$1; shift
  local out rc
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$game" 2>&1 </dev/null)
  rc=$?
  if [ "$rc" -ne 1 ] || [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] ||
     ! printf '%s' "$out" | grep -qi 'display'; then
    echo "FAIL ($what): exit $rc, output:"; printf '%s\n' "$out"; failed=1
  else
    echo "ok ($what): $out"
  fi
}
expect_one_line "no display set"
expect_one_line "display unreachable" DISPLAY=:97 XAUTHORITY=/nonexistent
exit $failed

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a usable display the game says in one line what failed and exits with 1, never a
# crash: no display named, a display that cannot be reached, a platform plugin that is missing.
set -u
game=$1
failed=0
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
expect_line() {
  local what=$1 pattern=$2; shift 2
  local out rc
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
        "$@" "$game" 2>&1 </dev/null)
  rc=$?
  if [ "$rc" -ne 1 ] || [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] ||
     ! printf '%s' "$out" | grep -q -- "$pattern"; then
    echo "FAIL ($what): exit $rc, output:"; printf '%s\n' "$out"; failed=1
  else
    echo "ok ($what): $out"
  fi
}
expect_line "no display set" "no display is set"
expect_line "X display unreachable" 'X display ":97" cannot be reached' \
  DISPLAY=:97 XAUTHORITY=/nonexistent
expect_line "Wayland display unreachable" 'Wayland display "nowhere" cannot be reached' \
  QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere
expect_line "platform plugin missing" 'platform plugin "nosuchplatform" is not installed' \
  QT_QPA_PLATFORM=nosuchplatform
exit $failed

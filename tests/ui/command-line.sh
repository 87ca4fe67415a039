#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line answers without any display: --help and --version exit 0, a wrong option
# exits 2 with one line. Qt's own options reach Qt, and -platform names a display.
set -u
game=$1 version=$2
failed=0
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
    "$game" "$@" >"$runtime/out" 2>"$runtime/err" </dev/null
  rc=$?
  out=$(cat "$runtime/out") err=$(cat "$runtime/err")
}
fail() { echo "FAIL ($1): exit $rc"; echo "stdout: $out"; echo "stderr: $err"; failed=1; }

for help in --help -h; do
  run $help
  if [ $rc -ne 0 ] || [ -n "$err" ]; then fail "$help"; continue; fi
  for want in "Usage: quenlith" "--symbols" "Ctrl+1" "Ctrl+S" "F10" "-platform"; do
    printf '%s' "$out" | grep -qF -- "$want" || fail "$help names $want"
  done
done

run --version
[ $rc -eq 0 ] && [ "$out" = "quenlith $version" ] && [ -z "$err" ] || fail "--version"

# Qt's options are accepted beside ours; the help still comes without a display.
run -platform offscreen -style Fusion --help
[ $rc -eq 0 ] && printf '%s' "$out" | grep -q "^Usage:" || fail "Qt options with --help"

for wrong in "--bogus" "-bogus" "--symbols=yes" "stray" "-platform"; do
  run $wrong
  if [ $rc -ne 2 ] || [ -n "$out" ] || [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] ||
     ! printf '%s' "$err" | grep -qF -- "--help"; then
    fail "refuse $wrong"
  elif [ "$wrong" != "-platform" ] && ! printf '%s' "$err" | grep -qF -- "'${wrong%%=*}'"; then
    fail "$wrong named in the line"
  else
    echo "ok (refuse $wrong): $err"
  fi
done

# -platform names a display: it gets past the display check to Qt, which reads it.
run -platform nosuchplatform
[ $rc -eq 1 ] && printf '%s' "$err" | grep -q 'platform plugin "nosuchplatform" is not installed' ||
  fail "-platform reaches Qt"
# And the game starts on it; still running when stopped means it got past every check.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
  timeout 10 "$game" -platform offscreen --symbols >"$runtime/out" 2>&1 </dev/null
rc=$?
out=$(cat "$runtime/out") err=""
[ $rc -eq 124 ] || fail "-platform offscreen starts the game"
exit $failed

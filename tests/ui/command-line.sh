#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line answers without any display: --help and --version exit 0, a wrong option
# exits 2 with one line. Qt's own options reach Qt, and -platform names a display. The help
# fits a terminal of 80 columns in every language of LINGUAS.
set -u
game=$1 version=$2 linguas=$3
failed=0
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
    timeout 10 "$game" "$@" >"$runtime/out" 2>"$runtime/err" </dev/null
  rc=$? out=$(cat "$runtime/out") err=$(cat "$runtime/err")
}
check() { # WHAT CONDITION...
  local what=$1; shift
  if "$@"; then echo "ok ($what)"; else
    echo "FAIL ($what): exit $rc"; echo "stdout: $out"; echo "stderr: $err"; failed=1; fi
}
has() { printf '%s' "$1" | grep -qF -- "$2"; }

for help in --help -h "-platform offscreen -style Fusion --help"; do
  run $help
  check "$help" [ $rc -eq 0 -a -z "$err" ]
  for want in "Usage: quenlith" --symbols --seed --board Ctrl+B Ctrl+1 Ctrl+S F10 -platform; do
    check "$help names $want" has "$out" "$want"
  done
done
for language in en $(grep -v '^#' "$linguas"); do
  LANGUAGE=$language run --help
  check "$language --help within 79 columns" [ "$(printf '%s\n' "$out" | LC_ALL=C.UTF-8 wc -L)" -le 79 ]
done
run --version
check --version [ $rc -eq 0 -a "$out" = "quenlith $version" -a -z "$err" ]

for wrong in --bogus -bogus --symbols=yes stray -platform; do
  run $wrong
  check "refuse $wrong" [ $rc -eq 2 -a -z "$out" -a "$(printf '%s\n' "$err" | wc -l)" -eq 1 ]
  check "$wrong: usage hint" has "$err" "--help"
  check "$wrong: named" has "$err" "'${wrong%%=*}'"
done

for wrong in "--seed x" "--seed 4294967296" "--seed -1"; do
  run $wrong
  check "refuse $wrong" [ $rc -eq 2 -a -z "$out" -a "$(printf '%s\n' "$err" | wc -l)" -eq 1 ]
done

# Board codes: empty, too long, a letter the codes never use, and a 17-wide board whose
# check is right. Nothing starts: the refusal comes before any display is looked for.
for wrong in "" 2K4G-0000-9NCX0 2K4G-0000-9NCU 2WMG-0000-06S4; do
  run --board "$wrong"
  check "refuse --board '$wrong'" [ $rc -eq 2 -a -z "$out" -a "$(printf '%s\n' "$err" | wc -l)" -eq 1 ]
done
run -platform offscreen --board 2k4g00009ncx
check "a good code starts" [ $rc -eq 124 ]

# -platform names a display: the game gets past its display check to Qt, which reads it,
# and starts on it (still running when stopped).
run -platform nosuchplatform
check "-platform reaches Qt" has "$err" 'platform plugin "nosuchplatform" is not installed'
run -platform offscreen --symbols
check "-platform offscreen starts" [ $rc -eq 124 ]
exit $failed

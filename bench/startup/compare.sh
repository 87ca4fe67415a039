#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to the first painted frame and peak memory: the game against a bare Qt window
# showing one picture. Usage: bench/startup/compare.sh [build folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
measure() {
  local program=$1 times=() rss=0 start end
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    rss=$("$program" | awk '/max-rss-kb/ {print $2}')
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  local median
  median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  awk -v name="$(basename "$program")" -v us="$median" -v runs="$runs" -v kb="$rss" 'BEGIN {
    printf "%-18s first frame: median %6.1f ms over %d runs; peak memory %6.1f MiB\n",
      name, us / 1000, runs, kb / 1024 }'
}
measure "$build/bench/startup/bare_first_frame"
measure "$build/bench/startup/game_first_frame"

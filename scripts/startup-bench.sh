#!/usr/bin/env bash
# Compares the cold start of zephyrtrace (until its main window is first
# shown, and the puzzle's windows with it when one is named) with a minimal
# Qt Widgets program from the same build, side by side: wall time and peak
# memory, median of several alternating runs.
# Usage: scripts/startup-bench.sh [build-folder] [runs] [puzzle.zpx opened for solving]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-15}
puzzle=${3:-}
if [ ! -x "$build/src/zephyrtrace" ] || [ ! -x "$build/bench/minimal_widgets" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target zephyrtrace minimal_widgets >/dev/null
fi
# A real X server when one can be had (xvfb-run), else the offscreen platform.
if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs" "$puzzle"
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
echo "platform: ${QT_QPA_PLATFORM:-xcb}"
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

measure() {  # prints "seconds kilobytes"
  local start end kib
  start=$(date +%s%N)
  kib=$(/usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1)
  end=$(date +%s%N)
  echo "$(awk -v n=$((end - start)) 'BEGIN {printf "%.4f", n / 1e9}') $kib"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

: >"$XDG_CONFIG_HOME/z" ; : >"$XDG_CONFIG_HOME/m"
for _ in $(seq "$runs"); do
  ZPX_QUIT_AFTER_SHOW=1 measure "$build/src/zephyrtrace" ${puzzle:+"$puzzle"} >>"$XDG_CONFIG_HOME/z"
  measure "$build/bench/minimal_widgets" >>"$XDG_CONFIG_HOME/m"
done
zt=$(cut -d' ' -f1 "$XDG_CONFIG_HOME/z" | median); zm=$(cut -d' ' -f2 "$XDG_CONFIG_HOME/z" | median)
mt=$(cut -d' ' -f1 "$XDG_CONFIG_HOME/m" | median); mm=$(cut -d' ' -f2 "$XDG_CONFIG_HOME/m" | median)
echo "zephyrtrace:     ${zt} s, ${zm} KiB peak"
echo "minimal widgets: ${mt} s, ${mm} KiB peak"
awk -v a="$zt" -v b="$mt" -v c="$zm" -v d="$mm" 'BEGIN {
  printf "ratio: time %.2f, memory %.2f (goal: both at most 1.30)\n", (b > 0 ? a / b : 0), c / d }'

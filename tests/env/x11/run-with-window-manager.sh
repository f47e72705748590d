#!/usr/bin/env bash
# Runs a test program on a virtual X server under a window manager that keeps
# the standard properties (client list, active window), as a desktop does.
# Usage: [ZPX_X11_SCREEN=WIDTHxHEIGHT] run-with-window-manager.sh PROGRAM [ARGS...]
set -euo pipefail
exec xvfb-run -a -s "-screen 0 ${ZPX_X11_SCREEN:-1024x768}x24" bash -c '
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  trap "kill $wm 2>/dev/null" EXIT
  # Windows mapped before the window manager runs would miss its first arrangement.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  QT_QPA_PLATFORM=xcb "$@"
' run-with-window-manager "$@"

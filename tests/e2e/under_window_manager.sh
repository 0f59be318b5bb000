#!/usr/bin/env bash
# Runs a command on the X display of xvfb-run under openbox, so that windows
# are placed, maximised and minimised by a window manager as on a desktop.
set -u
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The window manager is up once it names itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit $status

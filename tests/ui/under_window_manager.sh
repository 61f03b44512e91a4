#!/usr/bin/env bash
# Runs a test program on a virtual X server of its own under openbox, so that stacking and
# focus are decided by a real window manager. Exits 77 (skipped) when a tool is missing.
set -uo pipefail

for tool in Xvfb openbox xprop xwininfo xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# -displayfd picks a free display, so parallel runs do not meet. SORVIK_SCREEN: its size.
Xvfb -displayfd 3 -screen 0 "${SORVIK_SCREEN:-1280x1024}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if ! [ -s "$work/display" ]; then
  echo "skipped: Xvfb did not start"
  cat "$work/xvfb.log"
  exit 77
fi
export DISPLAY=":$(head -n1 "$work/display")"

HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  echo "openbox did not start"
  cat "$work/openbox.log"
  exit 1
fi

# In the background, so that a run stopped from outside takes the program with it.
QT_QPA_PLATFORM=xcb "$@" &
pids+=($!)
wait $!

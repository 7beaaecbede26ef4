#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Runs the game in a virtual X display with a window manager and saves a
# picture of its window, frame and title bar included:
#   scripts/screenshot.sh PROGRAM OUT.png [WINDOW-TITLE] [COMMAND-PREFIX...]
# The prefix runs the program under something else, such as wine.
set -euo pipefail
program=$1 out=$2 title=${3:-Varnel}
shift $(( $# >= 3 ? 3 : $# ))

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 320x200x24 -nolisten tcp &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xsetroot -solid grey30 2>/dev/null || true
openbox --sm-disable &
wm=$!
sleep 0.5
"$@" "$program" &
app=$!
id=
for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.1
done
[ -n "$id" ] || { echo "screenshot: no window titled $title" >&2; exit 1; }
xdotool windowmove "$id" 40 30
sleep 1
import -window root -crop 260x170+20+0 "$out"
echo "saved $out"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Saves a picture of the built web page as headless Chromium shows it:
#   scripts/screenshot-web.sh OUT.png
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1")
port=${PORT:-8765}
/usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/web >/dev/null 2>&1 &
server=$!
trap 'kill $server' EXIT
sleep 1
profile=$(mktemp -d)
chromium --headless=new --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$profile" --force-device-scale-factor=1 \
    --hide-scrollbars --window-size=200,240 --virtual-time-budget=5000 --screenshot="$out" \
    "http://127.0.0.1:$port/" >/dev/null 2>&1
rm -rf "$profile"
# Headless Chromium keeps part of its window's height from the page, so the
# window is taller than the picture, which is then cut to the board.
/usr/bin/python3 -c 'import sys; from PIL import Image; Image.open(sys.argv[1]).crop((0, 0, 200, 120)).save(sys.argv[1])' "$out"
echo "saved $out"

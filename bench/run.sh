#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Builds the benchmarks and prints their measurements: start-up and peak
# memory of the game against an empty window, on the offscreen platform and
# under Xvfb, and the squares repainted per move; the web page's size and
# first paint; the Windows program's start-up under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/packages.sh
need_packages "${build_packages[@]}" xvfb xauth

runs=${RUNS:-21}
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" >/dev/null
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
bin=build/default/bench

echo "== Qt, offscreen platform"
QT_QPA_PLATFORM=offscreen "$bin/startup_bench" "$runs" "$bin/startup_probe" "$bin/startup_probe_floor"
echo "== Qt, X11 under Xvfb"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 640x480x24" \
    "$bin/startup_bench" "$runs" "$bin/startup_probe" "$bin/startup_probe_floor"
echo "== Qt, repaints"
"$bin/repaint_count"

echo "== Web page in headless Chromium"
need_packages "${web_build_packages[@]}" "${web_test_packages[@]}"
cmake --preset web >/dev/null
cmake --build --preset web -j "$(nproc)" >/dev/null
/usr/bin/python3 bench/web_bench.py build/web/web "$runs"

echo "== Windows program under Wine"
need_i386
need_packages "${windows_packages[@]}"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$(nproc)" >/dev/null
win=build/mingw
echo "varnel.exe: $(stat -c %s $win/app/varnel.exe) bytes ($(( $(stat -c %s $win/app/varnel.exe) / 1024 )) KiB)"
export WINEPREFIX=$PWD/build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    wineboot -i >/dev/null 2>&1
    wine $win/bench/win32_startup_bench.exe $runs $PWD/$win/app/varnel.exe $PWD/$win/bench/win32_floor.exe
    wineserver -k 2>/dev/null || true"

#!/usr/bin/env bash
# Builds everything and runs every test: the optimised build, the sanitizer
# build, and the Windows program cross-built and driven under Wine. Installs
# what it needs on Debian or Ubuntu when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/packages.sh

need_packages "${build_packages[@]}"
need_i386
need_packages "${windows_packages[@]}"

jobs=$(nproc)
for preset in default sanitize mingw; do
    echo "=== $preset build"
    cmake --preset "$preset" -DVARNEL_WERROR=ON >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
for preset in default sanitize; do
    echo "=== $preset tests"
    ctest --preset "$preset" -j "$jobs"
done

# One Wine prefix for the run, made once; one Xvfb display for Wine's windows.
echo "=== mingw tests, under Wine"
export WINEPREFIX=$PWD/build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    wineboot -i >/dev/null 2>&1
    ctest --preset mingw
    status=$?
    wineserver -k 2>/dev/null || true
    exit $status'

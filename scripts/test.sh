#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Checks the links of the README and docs/, then builds everything and runs
# every test: the optimised build, the sanitizer build, the web page in
# Chromium, and the Windows program cross-built and driven under Wine.
# Installs what it needs on Debian or Ubuntu when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

# Every relative link and image in the README and docs/ names a file that is
# there; checked first, as it takes no build. Anchors and web addresses are
# not followed.
broken=0
for md in README.md docs/*.md; do
    while IFS= read -r link; do
        case $link in '#'* | *://* | mailto:*) continue ;; esac
        [ -e "$(dirname "$md")/${link%%#*}" ] || { echo "$md: broken link to $link" >&2; broken=1; }
    done < <(grep -oE '\]\([^) ]+' "$md" | cut -c3-)
done
[ "$broken" -eq 0 ] || { echo "Mend the links above: they name no file." >&2; exit 1; }

. scripts/lib/packages.sh

need_packages "${build_packages[@]}" "${web_build_packages[@]}" "${web_test_packages[@]}"
need_web_test_node_modules
need_packages "${windows_packages[@]}"

# Some kernels run no 32-bit code (their 32-bit emulation is off), and so no
# 32-bit Wine; and a mirror part-way through a sync can leave Debian's 32-bit
# packages uninstallable for a while. There the Windows program is still
# built as players get it and its file checked, but the window is driven on
# a 64-bit build of the same sources under 64-bit Wine.
windows=mingw
wine=wine
if ! (need_i386 && need_packages wine32) || ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "No 32-bit Wine here: the Windows tests run on a 64-bit build under 64-bit Wine."
    need_packages "${windows64_packages[@]}"
    windows=mingw64
    wine=/usr/lib/wine/wine64
fi

jobs=$(nproc)
for preset in default sanitize web web-debug mingw $([ "$windows" = mingw64 ] && echo mingw64); do
    echo "=== $preset build"
    cmake --preset "$preset" -DVARNEL_WERROR=ON >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# The page test plays a case again where a browser's driver stopped
# answering, a line here each time; the run ends by counting them, pass or fail.
export VARNEL_TEST_RETRIES=$PWD/build/test-retries
: >"$VARNEL_TEST_RETRIES"
count_retries() { echo "retries: $(wc -l <"$VARNEL_TEST_RETRIES")"; }
trap count_retries EXIT
for preset in default sanitize web web-debug; do
    echo "=== $preset tests"
    ctest --preset "$preset" -j "$jobs"
done

# The release files, made twice to show that they repeat, then checked;
# signed with keys made for this run, whose GnuPG agent ends with it.
eval "$(release/tests/throwaway_keys.sh "$PWD/build/release-keys")"
trap 'gpgconf --kill gpg-agent; count_retries' EXIT
scripts/release.sh --check
cmake --preset release -DVARNEL_WERROR=ON >/dev/null
cmake --build --preset release -j "$jobs" >/dev/null
echo "=== release tests"
ctest --preset release

# One Wine prefix for the run, made once; one Xvfb display for Wine's windows.
echo "=== $windows tests, under Wine"
export WINEPREFIX=$PWD/build/wine-$windows WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINE=$wine WINDOWS=$windows
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$WINE" wineboot -i >/dev/null 2>&1
    ctest --preset "$WINDOWS"
    status=$?
    wineserver -k 2>/dev/null || true
    exit $status'

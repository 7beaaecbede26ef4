#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Builds the game and starts it. Installs what it needs on Debian or Ubuntu
# when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/packages.sh

need_packages "${build_packages[@]}"

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built build/default/app/varnel; start it from a desktop session (no display here)." >&2
    exit 1
fi
exec build/default/app/varnel

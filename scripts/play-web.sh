#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Builds the web page and serves it on this machine; open the address it
# prints in a browser. Installs what it needs on Debian or Ubuntu when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/packages.sh

need_packages "${web_build_packages[@]}"

cmake --preset web >/dev/null
cmake --build --preset web -j "$(nproc)"
port=${PORT:-8080}
echo "Varnel is at http://127.0.0.1:$port/ (Ctrl+C stops it)"
exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/web

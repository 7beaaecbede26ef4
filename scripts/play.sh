#!/usr/bin/env bash
# Builds the game and starts it. Installs what it needs on Debian or Ubuntu
# when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/packages.sh

need_packages "${build_packages[@]}"

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
echo "Built the rules and tools; the window comes next. A winning game:"
exec build/default/tools/varnel-solve

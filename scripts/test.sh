#!/usr/bin/env bash
# Builds everything and runs every test: the optimised build, then the
# sanitizer build. Installs what it needs on Debian or Ubuntu when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/packages.sh

need_packages "${build_packages[@]}"

jobs=$(nproc)
for preset in default sanitize; do
    echo "=== $preset build"
    cmake --preset "$preset" -DVARNEL_WERROR=ON >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done

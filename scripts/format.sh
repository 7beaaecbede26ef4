#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Formats every C++ source of ours in place with the checked-in style.
set -euo pipefail
cd "$(dirname "$0")/.."
dirs=()
for d in rules ui app tools bench; do [ -d "$d" ] && dirs+=("$d"); done
find "${dirs[@]}" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format -i

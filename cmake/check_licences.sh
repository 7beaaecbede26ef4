#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# check_licences.sh SOURCE-DIR REUSE: every file of the checkout says under
# which licence it may be shared. reuse learns from git which files are build
# output and not sources, so outside a git checkout it is not run at all.
if ! git -C "$1" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "Not checked: $1 is not a git checkout (or git is missing), so build output cannot be told from sources."
    exit 77
fi
exec "$2" --root "$1" lint

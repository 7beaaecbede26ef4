// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace varnel::win32 {

// The whole program: sets up the process, shows the one window, runs its
// messages, and reports a failure to start in a box. Returns the exit status.
int runProgram(HINSTANCE instance);

} // namespace varnel::win32

// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/win32/form1_window.h"

namespace varnel::win32 {

// Runs the window's messages until the program ends; returns its exit status.
int runMessageLoop(Form1Window& window);

} // namespace varnel::win32

// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace varnel::win32 {

// Has the screen readers that listen to UI Automation (Narrator, NVDA) say
// these words now, as what the player's last action did in the window. Does
// nothing where the system has no notification events (Windows before 10
// version 1709, Wine 8): there the controls' own change events are all.
void raiseNotification(HWND window, const std::wstring& words);

} // namespace varnel::win32

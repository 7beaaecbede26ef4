// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "program.h"

#include "com_apartment.h"
#include "form1_window.h"
#include "message_loop.h"
#include "system_libraries.h"
#include "text.h"
#include "ui/form1.h"

namespace varnel::win32 {

int runProgram(HINSTANCE instance)
{
    loadDllsFromTheSystemOnly();
    const ComApartment apartment;
    Form1Window window(instance);
    if (!window.failure().empty()) {
        MessageBoxW(nullptr, widen(window.failure()).c_str(), widen(applicationTitle).c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
    return runMessageLoop(window);
}

} // namespace varnel::win32

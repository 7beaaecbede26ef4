// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "message_loop.h"

namespace varnel::win32 {

int runMessageLoop(Form1Window& window)
{
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (window.handleKeyboard(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? window.exitStatus() : 1;
}

} // namespace varnel::win32

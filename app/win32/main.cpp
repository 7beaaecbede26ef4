// Varnel on Windows: shows the one window and runs a plain message loop.
#include "ui/win32/form1_window.h"
#include "ui/win32/text.h"

#include <windows.h>

#include <stdexcept>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    try {
        varnel::win32::Form1Window window(instance);
        MSG message;
        BOOL got;
        while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
            if (window.handleKeyboard(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return got == 0 ? static_cast<int>(message.wParam) : 1;
    } catch (const std::exception& failure) {
        MessageBoxW(nullptr, varnel::win32::widen(failure.what()).c_str(), L"varnel", MB_OK | MB_ICONERROR);
        return 1;
    }
}

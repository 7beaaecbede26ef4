// A test build of the program whose square Label5 has lost its window, so
// that reading or setting its colour fails as the system reports it.
#include "ui/win32/form1_window.h"
#include "ui/win32/message_loop.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    varnel::win32::Form1Window window(instance);
    DestroyWindow(window.control("Label5"));
    return varnel::win32::runMessageLoop(window);
}

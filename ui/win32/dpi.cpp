// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "dpi.h"

namespace varnel::win32 {

namespace {

template <typename Function> Function user32Function(const char* name)
{
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

} // namespace

int dpiOf(HWND window)
{
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindow>("GetDpiForWindow");
    if (getDpiForWindow)
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

SIZE windowSizeFor(SIZE client, DWORD style, int dpi)
{
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT r{0, 0, client.cx, client.cy};
    if (!adjustForDpi || !adjustForDpi(&r, style, FALSE, 0, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, FALSE, 0);
    return {r.right - r.left, r.bottom - r.top};
}

} // namespace varnel::win32

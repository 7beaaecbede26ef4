// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// A DLL named like the system's oleacc.dll, as someone could leave it beside
// varnel.exe in a Downloads folder. Loaded, it leaves a mark file beside
// itself, so that the test sees whether the program ran it.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    std::wstring mark(path, length);
    mark = mark.substr(0, mark.find_last_of(L'\\') + 1) + L"planted-oleacc-ran";
    CloseHandle(CreateFileW(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return TRUE;
}

// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "system_libraries.h"

#include <string>

namespace varnel::win32 {

void loadDllsFromTheSystemOnly()
{
    using SetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (found)
        reinterpret_cast<SetDefaultDllDirectories>(reinterpret_cast<void (*)()>(found))(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE loadSystemLibrary(const wchar_t* name)
{
    if (HMODULE library = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return library;
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return nullptr;
    // A Windows that does not know the flag: name the system folder itself.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
}

} // namespace varnel::win32

// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace varnel::win32 {

// Makes the process load DLLs from the system folder only, not from the
// program's own folder or the current one: the program may be unpacked
// anywhere, beside files it did not bring. Windows without the call (before
// the 2011 update that added it) keeps its old order.
void loadDllsFromTheSystemOnly();

// Loads a system DLL from the system folder, never from another one that
// holds a file of the same name. Null when it cannot be loaded.
HMODULE loadSystemLibrary(const wchar_t* name);

// The function of that name in a loaded library, as the type it is called
// through; null when the library or the function is missing.
template <typename Function> Function findFunction(HMODULE library, const char* name)
{
    return library ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name))) : nullptr;
}

} // namespace varnel::win32

// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace varnel::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// The system's own words for an error code, without the line break it ends with.
std::string errorText(DWORD code);

} // namespace varnel::win32

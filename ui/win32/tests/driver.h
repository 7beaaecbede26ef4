// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace varnel::win32::testing {

// The program file that players get, the program under test (the same one
// but on a machine that runs no 32-bit code) and its test build, as given to
// the driver.
const std::wstring& programFilePath();
const std::wstring& programPath();
const std::wstring& testBuildPath();

} // namespace varnel::win32::testing

#pragma once

#include <string>

namespace varnel::win32::testing {

// The program under test and its broken-square build, as given to the driver.
const std::wstring& programPath();
const std::wstring& brokenSquareProgramPath();

} // namespace varnel::win32::testing

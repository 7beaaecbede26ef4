// Drives varnel.exe from outside through the Win32 API, as a player would:
//   win32_driver PROGRAM BROKEN-SQUARE-PROGRAM [CASE...]
#include "check.h"
#include "driver.h"

#include <windows.h>

#include <cstdio>

namespace varnel::win32::testing {

namespace {
std::wstring program;
std::wstring brokenSquareProgram;
} // namespace

const std::wstring& programPath() { return program; }
const std::wstring& brokenSquareProgramPath() { return brokenSquareProgram; }

} // namespace varnel::win32::testing

int wmain(int argc, wchar_t* argv[])
{
    using namespace varnel::win32::testing;
    if (argc < 3) {
        std::fputs("usage: win32_driver PROGRAM BROKEN-SQUARE-PROGRAM [CASE...]\n", stderr);
        return 2;
    }
    program = argv[1];
    brokenSquareProgram = argv[2];
    std::vector<std::string> names;
    for (int i = 3; i < argc; ++i) {
        std::string name;
        for (const wchar_t* c = argv[i]; *c; ++c)
            name += static_cast<char>(*c);
        names.push_back(name);
    }
    return runCases(names) == 0 ? 0 : 1;
}

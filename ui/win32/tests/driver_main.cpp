// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Drives varnel.exe from outside through the Win32 API, as a player would:
//   win32_driver PROGRAM-FILE PROGRAM TEST-BUILD [CASE...]
#include "check.h"
#include "driver.h"

#include <windows.h>

#include <cstdio>

namespace varnel::win32::testing {

namespace {
std::wstring programFile;
std::wstring program;
std::wstring testBuild;
} // namespace

const std::wstring& programFilePath() { return programFile; }
const std::wstring& programPath() { return program; }
const std::wstring& testBuildPath() { return testBuild; }

} // namespace varnel::win32::testing

int wmain(int argc, wchar_t* argv[])
{
    using namespace varnel::win32::testing;
    if (argc < 4) {
        std::fputs("usage: win32_driver PROGRAM-FILE PROGRAM TEST-BUILD [CASE...]\n", stderr);
        return 2;
    }
    programFile = argv[1];
    program = argv[2];
    testBuild = argv[3];
    std::vector<std::string> names;
    for (int i = 4; i < argc; ++i) {
        std::string name;
        for (const wchar_t* c = argv[i]; *c; ++c)
            name += static_cast<char>(*c);
        names.push_back(name);
    }
    return runCases(names) == 0 ? 0 : 1;
}

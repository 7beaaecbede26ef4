// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Times start-up until the first window of the process is visible, for a
// program against a floor program, alternating runs; ends each run by
// closing the window:
//   win32_startup_bench RUNS PROGRAM FLOOR
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK findVisible(HWND w, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    if (process == search->process && IsWindowVisible(w)) {
        search->found = w;
        return FALSE;
    }
    return TRUE;
}

double runOnce(const wchar_t* program)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = std::wstring(L"\"") + program + L"\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "win32_startup_bench: cannot start the program\n");
        std::exit(1);
    }
    Search search{process.dwProcessId, nullptr};
    while (!search.found) {
        EnumWindows(findVisible, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(1);
    }
    QueryPerformanceCounter(&end);
    PostMessageW(search.found, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 4) {
        std::fputs("usage: win32_startup_bench RUNS PROGRAM FLOOR\n", stderr);
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    runOnce(argv[2]);
    runOnce(argv[3]);
    std::vector<double> time, floorTime;
    for (int i = 0; i < runs; ++i) {
        time.push_back(runOnce(argv[2]));
        floorTime.push_back(runOnce(argv[3]));
    }
    const double t = median(time), f = median(floorTime);
    std::printf("start-up: %.1f ms against %.1f ms for the floor, ratio %.3f (median of %d)\n", t, f, t / f, runs);
    return 0;
}

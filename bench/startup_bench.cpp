// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Times whole-process start-up until the first window is shown, and peak
// memory, of a program against a floor program, alternating runs:
//   startup_bench RUNS PROGRAM FLOOR
// Each program writes a line to standard output once its window shows.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double millis;
    long peakKiB;
};

Run runOnce(const char* program)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(program, program, static_cast<char*>(nullptr));
        std::perror(program);
        _exit(127);
    }
    close(pipeFds[1]);
    char byte = 0;
    const bool shown = read(pipeFds[0], &byte, 1) == 1;
    const auto end = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!shown || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup_bench: %s did not show its window\n", program);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM FLOOR\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    runOnce(argv[2]); // warm the file cache for both
    runOnce(argv[3]);
    std::vector<double> time, floorTime, memory, floorMemory;
    for (int i = 0; i < runs; ++i) {
        const Run a = runOnce(argv[2]);
        const Run b = runOnce(argv[3]);
        time.push_back(a.millis);
        floorTime.push_back(b.millis);
        memory.push_back(static_cast<double>(a.peakKiB));
        floorMemory.push_back(static_cast<double>(b.peakKiB));
    }
    const double t = median(time), ft = median(floorTime), m = median(memory), fm = median(floorMemory);
    std::printf("start-up: %.1f ms against %.1f ms for the floor, ratio %.3f (median of %d)\n", t, ft, t / ft, runs);
    std::printf("peak memory: %.0f KiB against %.0f KiB for the floor, ratio %.3f\n", m, fm, m / fm);
    return 0;
}

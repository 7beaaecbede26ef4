// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::win32::testing {

// A small check harness for the Wine driver: no test framework is built for
// Windows here.
struct Failure {
    std::string what;
    std::source_location where;
};

void check(bool ok, std::string what, std::source_location where = std::source_location::current());

// Checks a == b and shows both when they differ.
template <typename A, typename B>
void checkEqual(const A& actual, const B& expected, std::string what,
                std::source_location where = std::source_location::current())
{
    if (!(actual == expected))
        check(false, what + ": got " + std::to_string(actual) + ", expected " + std::to_string(expected), where);
}

void checkText(std::wstring_view actual, std::wstring_view expected, std::string what,
               std::source_location where = std::source_location::current());

struct TestCase {
    const char* name;
    std::function<void()> run;
};

std::vector<TestCase>& registry();

// Runs the named cases (all when none are named), prints one line a case and
// the closing count, and returns the number that failed.
int runCases(const std::vector<std::string>& names);

// Stops the running case at once, with a failure.
[[noreturn]] void abortCase(std::string what, std::source_location where = std::source_location::current());

} // namespace varnel::win32::testing

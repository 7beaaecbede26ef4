// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "check.h"

#include "ui/win32/text.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace varnel::win32::testing {

namespace {

std::vector<Failure> failures;

struct CaseAborted {};

void print(const Failure& f)
{
    std::printf("    %s:%u: %s\n", f.where.file_name(), static_cast<unsigned>(f.where.line()), f.what.c_str());
}

} // namespace

void check(bool ok, std::string what, std::source_location where)
{
    if (!ok)
        failures.push_back({std::move(what), where});
}

void checkText(std::wstring_view actual, std::wstring_view expected, std::string what, std::source_location where)
{
    if (actual != expected)
        check(false, what + ": got \"" + narrow(actual) + "\", expected \"" + narrow(expected) + "\"", where);
}

std::vector<TestCase>& registry()
{
    static std::vector<TestCase> cases;
    return cases;
}

void abortCase(std::string what, std::source_location where)
{
    check(false, std::move(what), where);
    throw CaseAborted{};
}

int runCases(const std::vector<std::string>& names)
{
    int passed = 0, failed = 0;
    for (const TestCase& c : registry()) {
        if (!names.empty() && std::find(names.begin(), names.end(), c.name) == names.end())
            continue;
        failures.clear();
        try {
            c.run();
        } catch (const CaseAborted&) {
        } catch (const std::exception& e) {
            failures.push_back({std::string("exception: ") + e.what(), std::source_location::current()});
        }
        std::printf("%s %s\n", failures.empty() ? "PASS" : "FAIL", c.name);
        for (const Failure& f : failures)
            print(f);
        std::fflush(stdout);
        (failures.empty() ? passed : failed) += 1;
    }
    std::printf("win32: %d passed, %d failed\n", passed, failed);
    return failed;
}

} // namespace varnel::win32::testing

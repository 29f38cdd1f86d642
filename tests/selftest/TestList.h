// The Windows tests of the bundle, as scripts/release.sh lists them in tests\tests.txt from the
// build's own test list: one test a line, fields separated by tabs,
//   name, "desktop" or "-", timeout in seconds, program, command-line arguments, NAME=value...
// In values, {bundle} stands for the bundle's folder and {acp} for this system's ANSI code page.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct TestEntry {
    std::wstring name;
    bool needsDesktop = false;  // works the real desktop: focus, keystrokes, clicks
    unsigned timeoutSeconds = 300;
    std::wstring program;  // in the tests folder
    std::wstring arguments;
    std::vector<std::pair<std::wstring, std::wstring>> environment;
};

// Throws std::runtime_error naming the line that cannot be read.
std::vector<TestEntry> ReadTestList(const std::wstring& path, const std::wstring& bundle);

enum class Verdict { Passed, Failed, NotRun };

struct TestOutcome {
    Verdict verdict = Verdict::NotRun;
    double seconds = 0;
    std::wstring details;  // why it failed or did not run
};

// Runs the test with its environment, temporary files in tempFolder, and its output gathered
// in outputFile; a failure's details are the failed cases' own lines, a test that could not
// work the desktop is not run (../e2e/NotRun.h) with its reason.
TestOutcome RunTest(const TestEntry& test, const std::wstring& testsFolder,
                    const std::wstring& tempFolder);

// The reason a test program gave for not running, from its output.
std::wstring NotRunReason(const std::wstring& output);

// From Google Test's output: each failed case's lines, from its start to its FAILED line; for a
// program that failed outside any case, its last lines.
std::wstring FailureText(const std::wstring& output);

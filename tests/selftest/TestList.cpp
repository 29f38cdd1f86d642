#include "TestList.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "../e2e/NotRun.h"
#include "JobProcess.h"
#include "Text.h"

namespace {

constexpr size_t kFixedFields = 5;
constexpr size_t kTailLines = 20;

std::vector<std::wstring> Fields(const std::wstring& line) {
    std::vector<std::wstring> fields;
    size_t start = 0;
    for (size_t tab = line.find(L'\t'); tab != std::wstring::npos; tab = line.find(L'\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::wstring Expand(std::wstring value, const std::wstring& bundle) {
    value = Replace(std::move(value), L"{bundle}", bundle);
    return Replace(std::move(value), L"{acp}", std::to_wstring(GetACP()));
}

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Sets variables for the programs started next and puts the old values back when it ends.
class ScopedEnvironment {
public:
    void Set(const std::wstring& name, const std::wstring& value) {
        wchar_t old[32767];
        const DWORD length = GetEnvironmentVariableW(name.c_str(), old, 32767);
        saved_.emplace_back(name, length > 0 ? std::optional<std::wstring>(old) : std::nullopt);
        SetEnvironmentVariableW(name.c_str(), value.c_str());
    }
    ScopedEnvironment() = default;
    ~ScopedEnvironment() {
        std::for_each(saved_.rbegin(), saved_.rend(), [](const auto& variable) {
            SetEnvironmentVariableW(variable.first.c_str(),
                                    variable.second ? variable.second->c_str() : nullptr);
        });
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> saved_;
};

}  // namespace

std::vector<TestEntry> ReadTestList(const std::wstring& path, const std::wstring& bundle) {
    std::vector<TestEntry> tests;
    const std::vector<std::wstring> lines = SplitLines(FromProgramOutput(ReadFileBytes(path)));
    if (lines.empty()) throw std::runtime_error("the test list is missing or empty");
    for (size_t number = 1; const std::wstring& line : lines) {
        if (!line.empty() && line[0] != L'#') {
            const std::vector<std::wstring> fields = Fields(line);
            if (fields.size() < kFixedFields) {
                throw std::runtime_error("test list line " + std::to_string(number) +
                                         " has too few fields");
            }
            TestEntry test{fields[0],
                           fields[1] == L"desktop",
                           static_cast<unsigned>(std::wcstoul(fields[2].c_str(), nullptr, 10)),
                           fields[3],
                           Expand(fields[4], bundle),
                           {}};
            for (size_t i = kFixedFields; i < fields.size(); ++i) {
                const size_t equals = fields[i].find(L'=');
                test.environment.emplace_back(fields[i].substr(0, equals),
                                              Expand(fields[i].substr(equals + 1), bundle));
            }
            tests.push_back(std::move(test));
        }
        ++number;
    }
    return tests;
}

std::wstring FailureText(const std::wstring& output) {
    const std::vector<std::wstring> lines = SplitLines(output);
    std::wstring text;
    std::wstring current;
    bool inCase = false;
    for (const std::wstring& line : lines) {
        if (line.starts_with(L"[ RUN      ]")) {
            inCase = true;
            current = line + L"\n";
        } else if (inCase && line.starts_with(L"[  FAILED  ]")) {
            text += current + line + L"\n";
            inCase = false;
        } else if (inCase &&
                   (line.starts_with(L"[       OK ]") || line.starts_with(L"[  SKIPPED ]"))) {
            inCase = false;
        } else if (inCase) {
            current += line + L"\n";
        }
    }
    if (!text.empty()) return text;
    const size_t first = lines.size() > kTailLines ? lines.size() - kTailLines : 0;
    for (size_t i = first; i < lines.size(); ++i) text += lines[i] + L"\n";
    return text;
}

std::wstring NotRunReason(const std::wstring& output) {
    const std::wstring prefix = FromProgramOutput(kNotRunPrefix);
    std::wstring reason = L"(the program gave no reason)";
    for (const std::wstring& line : SplitLines(output)) {
        if (line.starts_with(prefix)) reason = line.substr(prefix.size());
    }
    return reason;
}

TestOutcome RunTest(const TestEntry& test, const std::wstring& testsFolder,
                    const std::wstring& tempFolder) {
    TestOutcome outcome;
    ScopedEnvironment environment;
    for (const auto& [name, value] : test.environment) environment.Set(name, value);
    environment.Set(L"TMP", tempFolder);
    environment.Set(L"TEMP", tempFolder);

    const std::wstring outputPath = tempFolder + L"\\" + test.name + L".out";
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE output =
        CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        outcome.verdict = Verdict::Failed;
        outcome.details = L"cannot create its output file " + outputPath;
        return outcome;
    }
    const ULONGLONG start = GetTickCount64();
    bool finished = false;
    DWORD exitCode = 0;
    try {
        const JobProcess program(
            L"\"" + testsFolder + L"\\" + test.program + L"\" " + test.arguments, nullptr, output);
        finished = program.Wait(test.timeoutSeconds * 1000);
        exitCode = program.ExitCode();
    } catch (const std::exception& e) {
        CloseHandle(output);
        DeleteFileW(outputPath.c_str());
        outcome.verdict = Verdict::Failed;
        outcome.details = test.program + L": " + FromProgramOutput(e.what());
        return outcome;
    }
    CloseHandle(output);
    outcome.seconds = static_cast<double>(GetTickCount64() - start) / 1000;
    const std::wstring printed = FromProgramOutput(ReadFileBytes(outputPath));
    DeleteFileW(outputPath.c_str());

    if (finished && exitCode == 0) {
        outcome.verdict = Verdict::Passed;
    } else if (finished && exitCode == kNotRunExitCode) {
        outcome.verdict = Verdict::NotRun;
        outcome.details = L"not run: " + NotRunReason(printed);
    } else {
        outcome.verdict = Verdict::Failed;
        outcome.details = FailureText(printed);
        outcome.details += finished ? L"exit code " + std::to_wstring(exitCode)
                                    : L"did not finish within " +
                                          std::to_wstring(test.timeoutSeconds) + L" s; ended";
    }
    return outcome;
}

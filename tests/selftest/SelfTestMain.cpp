// The self-test bundle's runner, started by selftest.cmd: runs every Windows test of Tessaro
// listed in tests.txt beside it against the Tessaro.exe one folder up, prints one line a test
// and "N passed, N failed", and writes selftest-<yyyymmdd-hhmmss>\ beside selftest.cmd with
// report.txt (the machine, each test's result and failure text) and screenshots of the form.
// Exits 0 only when every test passed and the screenshots were taken. The tests copy to the
// clipboard; the text it held before is put back at the end.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "../e2e/ClipboardText.h"
#include "SystemFacts.h"
#include "Screenshots.h"
#include "TestList.h"
#include "Text.h"

namespace {

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring ReportFolderName() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t name[48];
    std::swprintf(name, 48, L"selftest-%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute, now.wSecond);
    return name;
}

// The clipboard's text, kept while the tests replace it and put back when this ends (without
// text before, the clipboard is left empty).
class KeptClipboard {
public:
    KeptClipboard() {
        if (!Open()) return;
        hadText_ = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
        text_ = UnicodeTextOfOpenClipboard();
        CloseClipboard();
    }
    ~KeptClipboard() {
        if (!Open()) return;
        if (hadText_) {
            PutUnicodeTextOnOpenClipboard(text_);
        } else {
            EmptyClipboard();
        }
        CloseClipboard();
    }
    KeptClipboard(const KeptClipboard&) = delete;
    KeptClipboard& operator=(const KeptClipboard&) = delete;

private:
    // Another program may hold the clipboard open a while (clipboard history, remote desktop).
    static bool Open() {
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (OpenClipboard(nullptr)) return true;
            Sleep(50);
        }
        return false;
    }

    bool hadText_ = false;
    std::wstring text_;
};

// report.txt in UTF-8 with a byte-order mark and CRLF line ends, for Notepad.
class Report {
public:
    explicit Report(const std::wstring& path) : out_(path.c_str(), std::ios::binary) {
        out_ << "\xEF\xBB\xBF";
    }
    void Line(std::wstring_view text = L"") {
        out_ << Utf8(text) << "\r\n";
        out_.flush();
    }
    void Field(std::wstring_view name, std::wstring_view value) {
        std::wstring line(name);
        line += L":";
        line.resize(19, L' ');
        Line(line + std::wstring(value));
    }
    void Indented(const std::wstring& text) {
        for (const std::wstring& line : SplitLines(text)) Line(L"        " + line);
    }
    bool Good() const { return out_.good(); }

private:
    std::ofstream out_;
};

int Run() {
    BecomeDpiAware();
    wchar_t self[MAX_PATH * 4] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    const std::wstring tests = FolderOf(self);
    const std::wstring bundle = FolderOf(tests);
    const std::wstring exe = bundle + L"\\Tessaro.exe";
    const std::wstring folder = bundle + L"\\" + ReportFolderName();
    const std::wstring temp = folder + L"\\temp";
    if (!CreateDirectoryW(folder.c_str(), nullptr) || !CreateDirectoryW(temp.c_str(), nullptr)) {
        PrintLine(L"selftest: cannot create " + folder +
                  L" (is the folder read-only? "
                  L"extract the zip to a folder of your own)");
        return 2;
    }
    const KeptClipboard clipboard;
    Report report(folder + L"\\report.txt");
    const SystemFacts facts = ReadSystemFacts();
    const std::wstring version = FileVersion(exe);
    report.Line(L"Tessaro self-test");
    report.Field(L"Tessaro", (version.empty() ? L"(no version record)" : version) + L", " + exe);
    report.Field(L"Report", folder);
    report.Field(L"Windows", facts.windows);
    report.Field(L"Display language", facts.language);
    report.Field(L"Code pages", facts.codePages);
    report.Field(L"Display scale", facts.scale);
    report.Field(L"Desktop", facts.desktopProblem.empty() ? L"usable (focus and keystrokes)"
                                                          : L"NOT usable: " + facts.desktopProblem);
    report.Line();
    PrintLine(L"Tessaro self-test: " + facts.windows + L", " + facts.codePages);
    if (!facts.desktopProblem.empty()) {
        PrintLine(L"The tests that work the desktop cannot run: " + facts.desktopProblem +
                  L". Run selftest.cmd again signed in, with the screen unlocked.");
    }

    const std::vector<TestEntry> list = ReadTestList(tests + L"\\tests.txt", bundle);
    int passed = 0;
    int failed = 0;
    int notRun = 0;
    report.Line(L"Tests");
    for (const TestEntry& test : list) {
        TestOutcome outcome;
        if (test.needsDesktop && !facts.desktopProblem.empty()) {
            outcome.details = L"not run: it works the desktop, and " + facts.desktopProblem;
        } else {
            outcome = RunTest(test, tests, temp);
        }
        const wchar_t* word = outcome.verdict == Verdict::Passed   ? L"ok      "
                              : outcome.verdict == Verdict::Failed ? L"FAILED  "
                                                                   : L"NOT RUN ";
        const std::wstring line = word + test.name + L" (" + Seconds(outcome.seconds) + L")";
        PrintLine(line);
        report.Line(line);
        if (!outcome.details.empty()) report.Indented(outcome.details);
        (outcome.verdict == Verdict::Passed   ? passed
         : outcome.verdict == Verdict::Failed ? failed
                                              : notRun)++;
    }

    report.Line();
    bool picturesTaken = false;
    if (!facts.desktopProblem.empty()) {
        report.Line(L"Screenshots: not taken, " + facts.desktopProblem);
    } else {
        try {
            SetEnvironmentVariableW(L"TESSARO_EXE", exe.c_str());
            const std::vector<std::wstring> files =
                TakeScreenshots(L"\"" + tests + L"\\screenshot_tour.exe\"", folder);
            std::wstring names;
            for (const std::wstring& file : files) names += L" " + file;
            report.Line(L"Screenshots:" + names);
            picturesTaken = !files.empty();
        } catch (const ToursNotRun& e) {
            report.Line(L"Screenshots: not taken, " + FromProgramOutput(e.what()));
            PrintLine(L"NOT RUN screenshots: " + FromProgramOutput(e.what()));
        } catch (const std::exception& e) {
            report.Line(L"Screenshots: FAILED, " + FromProgramOutput(e.what()));
            PrintLine(L"FAILED  screenshots: " + FromProgramOutput(e.what()));
        }
    }
    RemoveDirectoryW(temp.c_str());

    std::wstring summary =
        std::to_wstring(passed) + L" passed, " + std::to_wstring(failed) + L" failed";
    if (notRun > 0) summary += L", " + std::to_wstring(notRun) + L" skipped";
    report.Line(L"Summary: " + summary);
    PrintLine(L"Report and screenshots: " + folder);
    PrintLine(summary);
    if (!report.Good()) PrintLine(L"selftest: the report could not be written completely");
    return failed == 0 && notRun == 0 && picturesTaken && report.Good() ? 0 : 1;
}

}  // namespace

int wmain() {
    try {
        return Run();
    } catch (const std::exception& e) {
        PrintLine(L"selftest: " + FromProgramOutput(e.what()));
        return 2;
    }
}

// Start-up benchmark: launches a program and its baselines in turn, each ROUNDS times, and
// measures for every launch the time from CreateProcess to a visible top-level window of the
// new process, and its peak memory just before it is closed with WM_CLOSE. Prints the medians
// and the program's ratios to each baseline.
// Usage: startup_bench ROUNDS PROGRAM BASELINE...   (Unix paths are taken as drive Z:)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTimeoutMs = 20000;

struct Launch {
    double startMs;
    double peakWorkingSetKiB;
    double peakPagefileKiB;
};

struct WindowSearch {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && IsWindowVisible(window)) {
        search->window = window;
        return FALSE;
    }
    return TRUE;
}

std::wstring WindowsPath(std::wstring path) {
    if (!path.starts_with(L"/")) return path;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return L"Z:" + path;
}

[[noreturn]] void Fail(const std::wstring& path, const char* what) {
    std::fwprintf(stderr, L"startup_bench: %ls: %hs (error %lu)\n", path.c_str(), what,
                  GetLastError());
    throw std::runtime_error(what);
}

double Milliseconds(LONGLONG from, LONGLONG to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to - from) / static_cast<double>(frequency.QuadPart);
}

Launch Measure(const std::wstring& path) {
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER started;
    LARGE_INTEGER shown;
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        Fail(path, "cannot start");
    }
    WindowSearch search{process.dwProcessId, nullptr};
    const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
    while (EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search)),
           search.window == nullptr) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) Fail(path, "exited early");
        if (GetTickCount64() > deadline) Fail(path, "showed no window");
        Sleep(1);
    }
    QueryPerformanceCounter(&shown);

    // Let it finish its first paint before reading the peaks.
    WaitForInputIdle(process.hProcess, kTimeoutMs);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(search.window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &ignored);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
        Fail(path, "gave no memory counters");
    }
    PostMessageW(search.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        Fail(path, "did not close on WM_CLOSE");
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {Milliseconds(started.QuadPart, shown.QuadPart),
            static_cast<double>(memory.PeakWorkingSetSize) / 1024.0,
            static_cast<double>(memory.PeakPagefileUsage) / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Summary {
    double startMs, peakWorkingSetKiB, peakPagefileKiB;
    double minStartMs, maxStartMs;
};

Summary Summarise(const std::vector<Launch>& launches) {
    std::vector<double> start;
    std::vector<double> workingSet;
    std::vector<double> pagefile;
    for (const Launch& launch : launches) {
        start.push_back(launch.startMs);
        workingSet.push_back(launch.peakWorkingSetKiB);
        pagefile.push_back(launch.peakPagefileKiB);
    }
    return {Median(start), Median(workingSet), Median(pagefile),
            *std::min_element(start.begin(), start.end()),
            *std::max_element(start.begin(), start.end())};
}

// The file name without its folder and extension.
std::wstring ShortName(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

void PrintRow(const std::wstring& name, const Summary& s) {
    std::wprintf(L"%-18ls %9.1f  (%6.1f .. %6.1f)  %14.0f  %14.0f\n", name.c_str(), s.startMs,
                 s.minStartMs, s.maxStartMs, s.peakWorkingSetKiB, s.peakPagefileKiB);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fwprintf(stderr, L"usage: startup_bench ROUNDS PROGRAM BASELINE...\n");
        return 2;
    }
    const int rounds = std::max(1, _wtoi(argv[1]));
    std::vector<std::wstring> paths;
    for (int i = 2; i < argc; ++i) paths.push_back(WindowsPath(argv[i]));
    const size_t count = paths.size();
    try {
        // One launch each first, unmeasured: it fills the file cache.
        for (const auto& path : paths) Measure(path);
        std::vector<std::vector<Launch>> launches(count);
        for (int round = 0; round < rounds; ++round) {
            // Rotate which goes first, so that none always follows the same one.
            for (size_t i = 0; i < count; ++i) {
                const size_t which = (static_cast<size_t>(round) + i) % count;
                launches[which].push_back(Measure(paths[which]));
            }
        }
        std::vector<Summary> summaries(count);
        std::transform(launches.begin(), launches.end(), summaries.begin(), Summarise);
        std::wprintf(L"%d launches each; medians (start-up range)\n", rounds);
        std::wprintf(L"%-18ls %9ls  %18ls  %14ls  %14ls\n", L"", L"start ms", L"", L"peak WS KiB",
                     L"peak pagefile");
        for (size_t i = 0; i < count; ++i) PrintRow(ShortName(paths[i]), summaries[i]);
        const Summary& program = summaries[0];
        for (size_t i = 1; i < count; ++i) {
            const Summary& baseline = summaries[i];
            std::wprintf(L"%-18ls %9.3f  %18ls  %14.3f  %14.3f\n",
                         (L"/ " + ShortName(paths[i])).c_str(), program.startMs / baseline.startMs,
                         L"", program.peakWorkingSetKiB / baseline.peakWorkingSetKiB,
                         program.peakPagefileKiB / baseline.peakPagefileKiB);
        }
    } catch (const std::exception&) {
        return 1;
    }
    return 0;
}

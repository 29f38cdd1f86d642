// Soak run: works Tessaro.exe round after round for a given number of seconds (default 60)
// and fails if its GDI objects, USER objects or private memory grew beyond a small allowance
// between the end of a warm-up and the end of the run.
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "ProcessCounters.h"
#include "TessaroDriver.h"
#include "UserRound.h"

namespace {

constexpr int kWarmUpRounds = 3;
constexpr long kGdiAllowance = 10;
constexpr long kUserAllowance = 10;
constexpr long long kPrivateBytesAllowance = 1 << 20;

void PrintSample(double seconds, int rounds, const ProcessCounts& counts) {
    std::printf("%8.0f s %6d rounds  GDI %5ld  USER %5ld  private %10lld bytes\n", seconds, rounds,
                counts.gdiObjects, counts.userObjects, counts.privateBytes);
    std::fflush(stdout);
}

bool Within(const char* what, long long start, long long end, long long allowance,
            const char* source) {
    const bool ok = end - start <= allowance;
    std::printf("%-14s %10lld -> %10lld  growth %+9lld  allowed %+9lld  %s  (%s)\n", what, start,
                end, end - start, allowance, ok ? "ok" : "TOO MUCH", source);
    return ok;
}

int Soak(int seconds) {
    TessaroDriver app;
    DWORD processId = 0;
    GetWindowThreadProcessId(app.Form(), &processId);
    ProcessCounters counters(processId);

    // Under Wine the first reading of another process's counters makes that process commit
    // about 1.5 MiB once; read them once before the warm-up so the step is not taken for growth.
    counters.Take();
    int rounds = 0;
    while (rounds < kWarmUpRounds) WorkOneRound(app, rounds++);
    const ProcessCounts first = counters.Take();
    const ULONGLONG start = GetTickCount64();
    const ULONGLONG end = start + static_cast<ULONGLONG>(seconds) * 1000;
    // About ten progress lines, at most one every ten seconds.
    const ULONGLONG every = seconds >= 100 ? static_cast<ULONGLONG>(seconds) * 100 : 10000;
    ULONGLONG nextLine = start + every;
    const auto elapsedSeconds = [start] {
        return static_cast<double>(GetTickCount64() - start) / 1000.0;
    };
    PrintSample(0, rounds, first);
    while (GetTickCount64() < end) {
        WorkOneRound(app, rounds++);
        if (GetTickCount64() >= nextLine && GetTickCount64() < end) {
            PrintSample(elapsedSeconds(), rounds, counters.Take());
            nextLine += every;
        }
    }
    const ProcessCounts last = counters.Take();
    PrintSample(elapsedSeconds(), rounds, last);

    bool ok = Within("GDI objects", first.gdiObjects, last.gdiObjects, kGdiAllowance,
                     counters.GdiSource());
    ok &= Within("USER objects", first.userObjects, last.userObjects, kUserAllowance,
                 counters.UserSource());
    ok &= Within("private bytes", first.privateBytes, last.privateBytes, kPrivateBytesAllowance,
                 "PrivateUsage or PagefileUsage");

    app.Press(VK_ESCAPE);
    app.WaitForExit();
    std::printf("soak: %s after %d rounds\n", ok ? "passed" : "FAILED", rounds);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    try {
        return Soak(seconds);
    } catch (const std::exception& e) {
        std::printf("soak: FAILED: %s\n", e.what());
        return 2;
    }
}

#include "ProcessCounters.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Where a 64-bit process environment block keeps the address of the process's GDI handle
// table, and the table's shape: 65536 entries of 24 bytes, the object type in byte 14, zero
// for a free entry. Wine keeps this table per process and fills it as Windows did.
constexpr size_t kGdiTableOffsetInPeb = 0xF8;
constexpr size_t kGdiTableEntries = 0x10000;
struct GdiTableEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
};
static_assert(sizeof(GdiTableEntry) == 24);

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ", error " + std::to_string(GetLastError()));
}

struct WindowCount {
    DWORD processId;
    long windows;
};

BOOL CALLBACK CountChild(HWND /*child*/, LPARAM context) {
    ++reinterpret_cast<WindowCount*>(context)->windows;
    return TRUE;
}

// A window of the process, with all its descendants.
void CountTree(HWND window, WindowCount& count) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != count.processId) return;
    ++count.windows;
    EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM context) {
    CountTree(window, *reinterpret_cast<WindowCount*>(context));
    return TRUE;
}

}  // namespace

ProcessCounters::ProcessCounters(DWORD processId)
    : processId_(processId),
      process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {
    if (process_ == nullptr) Fail("cannot open the program's process");
    // Any process with a window owns USER objects; a zero means the call is not implemented.
    systemCounts_ = GetGuiResources(process_, GR_USEROBJECTS) != 0;
}

ProcessCounters::~ProcessCounters() {
    CloseHandle(process_);
}

ProcessCounts ProcessCounters::Take() const {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process_, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                              sizeof memory)) {
        Fail("cannot read the program's memory counters");
    }
    // Wine leaves PrivateUsage at 0 for another process; its PagefileUsage is the same
    // figure (the process's private, committed memory).
    const SIZE_T privateBytes = std::max(memory.PrivateUsage, memory.PagefileUsage);
    return {GdiObjects(), UserObjects(), static_cast<long long>(privateBytes)};
}

const char* ProcessCounters::GdiSource() const {
    return systemCounts_ ? "GetGuiResources" : "entries in use in the GDI handle table";
}

const char* ProcessCounters::UserSource() const {
    return systemCounts_ ? "GetGuiResources" : "windows of the process";
}

long ProcessCounters::GdiObjects() const {
    if (systemCounts_) return static_cast<long>(GetGuiResources(process_, GR_GDIOBJECTS));
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process_, ProcessBasicInformation, &basic, sizeof basic,
                                  &length) != 0) {
        Fail("cannot find the program's environment block");
    }
    void* table = nullptr;
    SIZE_T read = 0;
    if (!ReadProcessMemory(
            process_, reinterpret_cast<const char*>(basic.PebBaseAddress) + kGdiTableOffsetInPeb,
            &table, sizeof table, &read) ||
        table == nullptr) {
        Fail("cannot find the program's GDI handle table");
    }
    std::vector<GdiTableEntry> entries(kGdiTableEntries);
    if (!ReadProcessMemory(process_, table, entries.data(), entries.size() * sizeof entries[0],
                           &read)) {
        Fail("cannot read the program's GDI handle table");
    }
    return static_cast<long>(std::count_if(entries.begin(), entries.end(),
                                           [](const GdiTableEntry& e) { return e.type != 0; }));
}

long ProcessCounters::UserObjects() const {
    if (systemCounts_) return static_cast<long>(GetGuiResources(process_, GR_USEROBJECTS));
    WindowCount count{processId_, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
        CountTree(window, count);
    }
    return count.windows;
}

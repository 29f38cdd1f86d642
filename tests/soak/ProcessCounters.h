// Reads, from outside, what a leaking program piles up: its GDI objects, its USER objects and
// its private memory.
#pragma once

#include <windows.h>

struct ProcessCounts {
    long gdiObjects = 0;
    long userObjects = 0;
    long long privateBytes = 0;
};

class ProcessCounters {
public:
    // Opens the process for querying; throws when it cannot.
    explicit ProcessCounters(DWORD processId);
    ~ProcessCounters();
    ProcessCounters(const ProcessCounters&) = delete;
    ProcessCounters& operator=(const ProcessCounters&) = delete;

    ProcessCounts Take() const;

    // Where the two object counts come from, for the report.
    const char* GdiSource() const;
    const char* UserSource() const;

private:
    long GdiObjects() const;
    long UserObjects() const;

    DWORD processId_;
    HANDLE process_;
    // False where GetGuiResources is not implemented (Wine): the counts then come from the
    // process's GDI handle table and from its windows.
    bool systemCounts_;
};

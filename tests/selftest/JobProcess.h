// A program started inside a job object of its own: whatever it starts in turn (Tessaro.exe,
// a message box's helper) belongs to the job too, and all of it ends when the job is closed.
// So a test that hangs or leaves a window open leaves no process running.
#pragma once

#include <windows.h>

#include <string>

class JobProcess {
public:
    // Starts the command line with the given standard input and output (inheritable handles;
    // nullptr for the null device). Throws std::runtime_error when it cannot start.
    JobProcess(const std::wstring& commandLine, HANDLE input, HANDLE output);
    // Ends every process of the job still running.
    ~JobProcess();
    JobProcess(const JobProcess&) = delete;
    JobProcess& operator=(const JobProcess&) = delete;

    // Waits for the program itself to end; false when the time ran out.
    bool Wait(DWORD timeoutMs) const;
    DWORD ExitCode() const;

private:
    HANDLE job_ = nullptr;
    PROCESS_INFORMATION process_{};
};

// The null device as an inheritable handle; closed by the caller.
HANDLE InheritableNul();

#include "JobProcess.h"

#include <stdexcept>

HANDLE InheritableNul() {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    return CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inheritable, OPEN_EXISTING, 0, nullptr);
}

JobProcess::JobProcess(const std::wstring& commandLine, HANDLE input, HANDLE output)
    : job_(CreateJobObjectW(nullptr, nullptr)) {
    if (job_ == nullptr) throw std::runtime_error("cannot create a job object");
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);

    HANDLE nul = InheritableNul();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input != nullptr ? input : nul;
    startup.hStdOutput = startup.hStdError = output != nullptr ? output : nul;
    std::wstring line = commandLine;
    // Suspended until it is in the job, so that nothing it starts escapes the job.
    const BOOL started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE,
                       CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process_);
    const DWORD error = GetLastError();
    CloseHandle(nul);
    if (!started) {
        CloseHandle(job_);
        throw std::runtime_error("cannot start it (error " + std::to_string(error) + ")");
    }
    AssignProcessToJobObject(job_, process_.hProcess);
    ResumeThread(process_.hThread);
}

JobProcess::~JobProcess() {
    TerminateJobObject(job_, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    CloseHandle(job_);
}

bool JobProcess::Wait(DWORD timeoutMs) const {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD JobProcess::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

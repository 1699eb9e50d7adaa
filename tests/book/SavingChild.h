// A process that saves a book over and over (rewrites::SaveForever) until it is killed:
// a forked child on POSIX, the book_save_loop program on Windows, killed with
// TerminateProcess there.
#pragma once

#include "Rewrites.h"
#include "TestFiles.h"

#include <stdexcept>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

class TSavingChild {
public:
    // Returns once the child has begun to save.
    explicit TSavingChild(const std::string& book);
    ~TSavingChild() { Kill(); }
    TSavingChild(const TSavingChild&) = delete;
    TSavingChild& operator=(const TSavingChild&) = delete;

    // Kills the child and waits for its end; false when it had ended by itself.
    bool Kill();

private:
#ifdef _WIN32
    static constexpr UINT KilledCode = 99;
    HANDLE FProcess = nullptr;
#else
    pid_t FChild = -1;
#endif
};

#ifdef _WIN32

inline TSavingChild::TSavingChild(const std::string& book)
{
    wchar_t self[MAX_PATH];
    std::wstring helper(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    helper = helper.substr(0, helper.find_last_of(L"\\/") + 1) + L"book_save_loop.exe";
    std::wstring command = L'"' + helper + L"\" \"" + testfiles::Utf8Path(book).wstring() + L'"';

    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) throw std::runtime_error("no pipe");
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    const bool created =
        CreateProcessW(helper.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    char signal = 0;
    DWORD got = 0;
    const bool started = created && ReadFile(readEnd, &signal, 1, &got, nullptr) && got == 1;
    CloseHandle(readEnd);
    if (created) {
        CloseHandle(process.hThread);
        FProcess = process.hProcess;
    }
    if (!started) throw std::runtime_error("the saving child did not start");
}

inline bool TSavingChild::Kill()
{
    if (!FProcess) return false;
    TerminateProcess(FProcess, KilledCode);
    WaitForSingleObject(FProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(FProcess, &code);
    CloseHandle(FProcess);
    FProcess = nullptr;
    return code == KilledCode;
}

#else

inline TSavingChild::TSavingChild(const std::string& book)
{
    int started[2];
    if (::pipe(started) != 0) throw std::runtime_error("no pipe");
    FChild = ::fork();
    if (FChild == 0) {
        (void)!::write(started[1], "s", 1);
        try {
            rewrites::SaveForever(book);
        } catch (...) {
            ::_exit(1);
        }
    }
    char signal = 0;
    const bool running = FChild > 0 && ::read(started[0], &signal, 1) == 1;
    ::close(started[0]);
    ::close(started[1]);
    if (!running) throw std::runtime_error("the saving child did not start");
}

inline bool TSavingChild::Kill()
{
    if (FChild <= 0) return false;
    ::kill(FChild, SIGKILL);
    int status = 0;
    ::waitpid(FChild, &status, 0);
    FChild = -1;
    return WIFSIGNALED(status);
}

#endif

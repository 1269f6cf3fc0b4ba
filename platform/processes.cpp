#include "platform/processes.h"

#include <windows.h>
#include <tlhelp32.h>

bool shell_execute(const std::string& file, const std::string& parameters, const std::string& directory,
                   int show_command, void** process) {
    SHELLEXECUTEINFOA info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    // No error box from the shell: a program that cannot be started is a
    // silent failure, not a dialog that holds the installation.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = directory.c_str();
    info.nShow = show_command;
    BOOL ok = ShellExecuteExA(&info);
    *process = ok ? (void*)info.hProcess : nullptr;
    return ok != 0;
}

bool process_create(const std::string& command_line, void** process) {
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    std::vector<char> line(command_line.begin(), command_line.end());
    line.push_back(0);
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        *process = nullptr;
        return false;
    }
    CloseHandle(pi.hThread);
    *process = pi.hProcess;
    return true;
}

void process_wait_close(void* process, bool wait) {
    if (!process) return;
    if (wait) WaitForSingleObject((HANDLE)process, INFINITE);
    CloseHandle((HANDLE)process);
}

ProcessListResult process_list(std::vector<ProcessListing>* out) {
    typedef HANDLE(WINAPI * SnapshotFn)(DWORD, DWORD);
    typedef BOOL(WINAPI * WalkFn)(HANDLE, PROCESSENTRY32*);
    HMODULE k32 = LoadLibraryA("Kernel32.dll");
    if (!k32) return kKernelMissing;
    SnapshotFn snapshot = (SnapshotFn)(void*)GetProcAddress(k32, "CreateToolhelp32Snapshot");
    WalkFn first = (WalkFn)(void*)GetProcAddress(k32, "Process32First");
    WalkFn next = (WalkFn)(void*)GetProcAddress(k32, "Process32Next");
    ProcessListResult result = kToolhelpMissing;
    if (snapshot && first && next) {
        result = kSnapshotFailed;
        HANDLE snap = snapshot(TH32CS_SNAPPROCESS, 0);
        if (snap != INVALID_HANDLE_VALUE) {
            result = kProcessesListed;
            PROCESSENTRY32 entry;
            ZeroMemory(&entry, sizeof entry);
            entry.dwSize = sizeof entry;
            for (BOOL more = first(snap, &entry); more; more = next(snap, &entry)) {
                ProcessListing p;
                p.id = entry.th32ProcessID;
                p.exe_text = entry.szExeFile;
                out->push_back(p);
            }
            CloseHandle(snap);
        }
    }
    FreeLibrary(k32);
    return result;
}

unsigned process_current_id() {
    return GetCurrentProcessId();
}

bool process_terminate(unsigned id) {
    HANDLE h = OpenProcess(PROCESS_TERMINATE, FALSE, id);
    if (!h) return false;
    BOOL ok = TerminateProcess(h, 1);
    CloseHandle(h);
    return ok != 0;
}

static RestartRecord* g_restart_seam = nullptr;

void restart_seam_set(RestartRecord* record) {
    g_restart_seam = record;
}

// The steps run for real (enabling a privilege of this process's own
// token is harmless); the seam only records them alongside.
static void seam_step(int step) {
    if (g_restart_seam) g_restart_seam->steps.push_back(step);
}

int shutdown_privilege_enable() {
    const DWORD access = TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY;
    const char* name = "SeShutdownPrivilege";
    HANDLE token;
    seam_step(kRestartOpenToken);
    if (g_restart_seam) g_restart_seam->token_access = access;
    if (!OpenProcessToken(GetCurrentProcess(), access, &token)) return 1;
    TOKEN_PRIVILEGES tp;
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    int result = 0;
    seam_step(kRestartLookupPrivilege);
    if (g_restart_seam) g_restart_seam->privilege = name;
    if (!LookupPrivilegeValueA(nullptr, name, &tp.Privileges[0].Luid)) {
        result = 2;
    } else {
        seam_step(kRestartAdjustPrivilege);
        if (g_restart_seam) g_restart_seam->privilege_attributes = tp.Privileges[0].Attributes;
        if (!AdjustTokenPrivileges(token, FALSE, &tp, 0, nullptr, nullptr)) result = 3;
    }
    CloseHandle(token);
    return result;
}

bool exit_windows(unsigned flags) {
    if (g_restart_seam) {
        g_restart_seam->steps.push_back(kRestartExitWindows);
        g_restart_seam->exit_flags = flags;
        return true;
    }
    return ExitWindowsEx(flags, 0) != 0;
}

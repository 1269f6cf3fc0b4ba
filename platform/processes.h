// Starting, waiting for and ending processes, and restarting the computer.
#pragma once
#include <string>
#include <vector>

// ShellExecuteExA (default verb, SEE_MASK_NOCLOSEPROCESS, no error box)
// with the given show command. Returns its result; *process receives the process handle
// (null when none), which the caller passes to process_wait_close.
bool shell_execute(const std::string& file, const std::string& parameters, const std::string& directory,
                   int show_command, void** process);
// CreateProcessA with the whole command line, no working folder.
bool process_create(const std::string& command_line, void** process);
// Waits without limit for the process to end (when wait is true), then
// closes the handle. A null handle returns at once.
void process_wait_close(void* process, bool wait);

struct ProcessListing {
    unsigned id;
    std::string exe_text;  // szExeFile: a file name, or a full path on 9x
};
enum ProcessListResult { kProcessesListed, kToolhelpMissing, kSnapshotFailed, kKernelMissing };
// Lists the running processes through the toolhelp functions, looked up
// at run time in "Kernel32.dll" (absent on NT 4).
ProcessListResult process_list(std::vector<ProcessListing>* out);
// Identifier of this process.
unsigned process_current_id();
// OpenProcess(PROCESS_TERMINATE) and TerminateProcess(exit code 1).
bool process_terminate(unsigned id);

// Steps of a restart request, in order; what the test seam records.
enum RestartStep { kRestartOpenToken, kRestartLookupPrivilege, kRestartAdjustPrivilege, kRestartExitWindows };
struct RestartRecord {
    std::vector<int> steps;         // RestartStep values, in call order
    unsigned token_access;          // access asked for the process token
    std::string privilege;          // name looked up
    unsigned privilege_attributes;  // attributes given to it
    unsigned exit_flags;            // ExitWindowsEx flags
};
// The NT privilege steps: open the process token, look up
// "SeShutdownPrivilege", enable it. 0 done, 1 token not opened,
// 2 privilege not found, 3 not granted.
int shutdown_privilege_enable();
// ExitWindowsEx(flags, reason 0).
bool exit_windows(unsigned flags);
// Tests only: with the seam on (record not null), the privilege steps are
// performed and recorded into *record, and ExitWindowsEx is recorded
// instead of called (reporting success), so a test never ends the session.
void restart_seam_set(RestartRecord* record);

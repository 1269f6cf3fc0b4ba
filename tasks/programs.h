// Starting programs and the registration tool, ending processes, and
// restarting the computer.
#pragma once
#include <string>

#include "platform/system.h"

// os_code: the operating-system version code the operation branches on;
// this system's own unless a caller passes another.

// Starts the program with the shell's default action, its folder (with
// "\") as working folder; hidden 1 gives SW_HIDE, anything else SW_SHOW.
// With wait 1 the calling thread blocks until the program ends. Nonzero
// when started; 0 for an empty path.
int run_program(const std::string& program, const std::string& arguments, int hidden, int wait);

// Runs "regsvr32.exe" /s (mode 1) or /u /s (mode 0) on the module and
// waits for it to end. Nonzero when the tool could be started; its exit
// code is not read.
int register_module(const std::string& module, int mode, int os_code = os_version_code());

// Ends every process whose listed executable, or its file-name part,
// equals the name (case-insensitive, blanks trimmed), except the calling
// process itself. 1 when the last matching process was terminated, else 0. When "Kernel32.dll" cannot be
// loaded the program ends with an error box.
int end_processes(const std::string& name);
int end_process(unsigned id);

// Ends the program after the fatal "Kernel32.dll" error. The installer
// and the uninstaller set their plain exit here; until then the process
// simply ends.
extern void (*g_tasks_plain_exit)();

// ExitWindowsEx with EWX_REBOOT, plus EWX_FORCE when force is nonzero,
// after enabling the shutdown privilege on the NT family. 0 requested,
// 1 token not opened, 2 privilege not found, 3 not granted, 4 refused.
int restart_computer(int force);

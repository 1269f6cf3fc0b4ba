#include "tasks/programs.h"

#include <vector>

#include "platform/processes.h"
#include "platform/system.h"
#include "platform/ui.h"
#include "platform/shell_folders.h"
#include "tasks/os_branches.h"
#include "tasks/path_parts.h"

void (*g_tasks_plain_exit)() = nullptr;

int run_program(const std::string& program, const std::string& arguments, int hidden, int wait) {
    if (program.empty()) return 0;
    void* process = nullptr;
    bool started = shell_execute(program, arguments, folder_part(program), hidden == 1 ? 0 : 5, &process);
    process_wait_close(process, wait == 1);
    return started ? 1 : 0;
}

// The shell's folder for a CSIDL number ending in "\", without leading or
// trailing blanks; empty when the shell does not know it.
static std::string special_folder(int csidl) {
    std::string path = shell_folder_path(csidl);
    if (!path.empty() && path[path.size() - 1] != '\\') path += '\\';
    return trim_blanks(path);
}

int register_module(const std::string& module, int mode, int os_code) {
    enum { kDesktopFolder = 0x10, kSystemFolder = 0x25 };
    char comspec[260];
    if (!environment_get("comspec", comspec, sizeof comspec)) comspec[0] = 0;
    std::string desktop, system;
    if (os_code == kOsNt4 || os_code == kOsWin98 || os_code == kOsWinMe) desktop = special_folder(kDesktopFolder);
    else system = special_folder(kSystemFolder);
    std::string tool = regsvr32_path(os_code, desktop, system, comspec);
    std::string arguments = (mode == 1 ? "/s \"" : "/u /s \"") + module + "\"";
    void* process = nullptr;
    bool started = process_create("\"" + tool + "\" " + arguments, &process);
    if (!started) started = shell_execute(tool, arguments, folder_part(tool), 5, &process);
    process_wait_close(process, true);
    return started ? 1 : 0;
}

int end_process(unsigned id) {
    return process_terminate(id) ? 1 : 0;
}

int end_processes(const std::string& name) {
    std::string wanted = lower_ascii(trim_blanks(name));
    std::vector<ProcessListing> listed;
    if (process_list(&listed) == kKernelMissing) {
        message_box("Error", "Kernel32.dll couldn't be loaded!", kBoxError);
        if (g_tasks_plain_exit) g_tasks_plain_exit();
        process_exit(0);
    }
    // A name that matches the installer (or uninstaller) itself must not
    // end the installation half-way: this process is never ended.
    unsigned self = process_current_id();
    int result = 0;
    for (const ProcessListing& p : listed)
        if (p.id != self && process_name_matches(p.exe_text, wanted)) result = end_process(p.id);
    return result;
}

int restart_computer(int force) {
    unsigned flags = 2;  // EWX_REBOOT
    if (force) flags |= 4;  // EWX_FORCE
    OsVersionInfo v = os_version_query();
    if (v.ok && v.platform == 2) {  // VER_PLATFORM_WIN32_NT
        int step = shutdown_privilege_enable();
        if (step) return step;
    }
    return exit_windows(flags) ? 0 : 4;
}

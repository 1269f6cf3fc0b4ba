// Running programs, registering modules, ending processes by name and the
// restart request (recorded by the test seam, never performed), on the NT
// family and on Windows 98.
// wine-versions: win98 winxp
#include <gtest/gtest.h>

#include <vector>

#include "platform/processes.h"
#include "tasks/path_parts.h"
#include "tasks/programs.h"
#include "tests/wine/tasks_support.h"

using namespace tasks_test;

namespace {

std::vector<std::string> report_lines(const std::string& path) {
    std::vector<std::string> lines;
    std::string text = file_text(path), line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    return lines;
}

HANDLE start(const std::string& exe, const std::string& args) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    std::string line = "\"" + exe + "\" " + args;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

bool ended(HANDLE process) {
    return WaitForSingleObject(process, 60000) == WAIT_OBJECT_0;
}

class Processes : public testing::Test {
protected:
    std::string dir = scratch_folder("pwproc");
    std::string probe = program_dir() + "pw_probe.exe";
    std::vector<HANDLE> started;
    void SetUp() override {
        ASSERT_TRUE(path_exists(probe));
    }
    void TearDown() override {
        for (HANDLE h : started) {
            TerminateProcess(h, 1);
            ended(h);
            CloseHandle(h);
        }
        folder_delete_tree(dir);
        EXPECT_FALSE(path_exists(dir));
    }
    HANDLE run(const std::string& exe, const std::string& args) {
        HANDLE h = start(exe, args);
        if (h) started.push_back(h);
        return h;
    }
};

TEST_F(Processes, EndProcessesEndsEveryMatchByName) {
    std::string victim = dir + "pw_victim" + run_suffix() + ".exe";
    std::string other = dir + "pw_victim" + run_suffix() + "x.exe";
    ASSERT_TRUE(CopyFileA(probe.c_str(), victim.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(probe.c_str(), other.c_str(), FALSE));
    HANDLE v[3];
    for (int i = 0; i < 3; ++i) {
        v[i] = run(victim, dir + "v" + std::to_string(i));
        ASSERT_TRUE(v[i]);
    }
    HANDLE o = run(other, dir + "o");
    ASSERT_TRUE(o);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(wait_for([&] { return path_exists(dir + "v" + std::to_string(i)); }));
    ASSERT_TRUE(wait_for([&] { return path_exists(dir + "o"); }));

    // Mixed case and a trailing blank still name the lower-case listing.
    std::string name = "PW_Victim" + run_suffix() + ".EXE ";
    EXPECT_EQ(1, end_processes(name));
    for (HANDLE h : v) {
        EXPECT_TRUE(ended(h));
        DWORD code = 0;
        GetExitCodeProcess(h, &code);
        EXPECT_EQ(1u, code);
    }
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, WaitForSingleObject(o, 0));
    EXPECT_EQ(0, end_processes(name));  // nothing left to end
    EXPECT_EQ(0, end_process(0xFFFFFFF0u));
    // The calling process is never among the ended ones.
    EXPECT_EQ(0, end_processes(file_name_part(module_path())));
}

TEST_F(Processes, RunProgramWaitsAndHides) {
    // Wait 1: the call returns only after the program has reported and ended.
    EXPECT_EQ(1, run_program(probe, dir + "hidden sleep 200", 1, 1));
    std::vector<std::string> r = report_lines(dir + "hidden");
    ASSERT_EQ(4u, r.size());
    EXPECT_EQ("1", r[0]);  // the show command was given
    EXPECT_EQ("0", r[1]);  // SW_HIDE
    std::string folder = program_dir();
    EXPECT_EQ(lower_ascii(folder.substr(0, folder.size() - 1)), lower_ascii(r[2]));
    EXPECT_EQ(dir + "hidden sleep 200", r[3]);

    const int others[] = {0, 2};
    for (int hidden : others) {
        std::string report = dir + "shown" + std::to_string(hidden);
        EXPECT_EQ(1, run_program(probe, report + " sleep 0", hidden, 1));
        r = report_lines(report);
        ASSERT_EQ(4u, r.size());
        EXPECT_EQ("5", r[1]);  // SW_SHOW
    }

    // Wait 0: the call returns while the program still waits for its go.
    EXPECT_EQ(1, run_program(probe, dir + "later after " + dir + "go", 0, 0));
    EXPECT_FALSE(path_exists(dir + "later"));
    file_write_all(dir + "go", "");
    EXPECT_TRUE(wait_for([&] { return path_exists(dir + "later"); }));

    EXPECT_EQ(0, run_program("", "", 0, 1));
    EXPECT_EQ(0, run_program(dir + "missing.exe", "", 0, 1));
}

TEST_F(Processes, RegisterModuleRunsTheRegistrationTool) {
    if (os_version_code() == 30) GTEST_SKIP() << "Wine has no C:\\WINDOWS\\System\\regsvr32.exe";
    std::string module = program_dir() + "pw_module.dll";
    ASSERT_TRUE(path_exists(module));
    EXPECT_NE(0, register_module(module, 1));
    EXPECT_EQ("registered", text_value(HKEY_CURRENT_USER, "Software\\PackwrightTest", "Module"));
    EXPECT_NE(0, register_module(module, 0));
    EXPECT_EQ("unregistered", text_value(HKEY_CURRENT_USER, "Software\\PackwrightTest", "Module"));
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\PackwrightTest", 0, KEY_ALL_ACCESS, &k) == ERROR_SUCCESS) {
        RegDeleteValueA(k, "Module");
        RegCloseKey(k);
    }
    test_root_release();
}

TEST(Restart, PrivilegeStepsOnNtOnlyAndTheFlags) {
    RestartRecord record = {};
    restart_seam_set(&record);
    EXPECT_EQ(0, restart_computer(1));
    int forced_flags = (int)record.exit_flags;
    record.exit_flags = 0;
    EXPECT_EQ(0, restart_computer(0));
    restart_seam_set(nullptr);

    EXPECT_EQ(6, forced_flags);  // EWX_REBOOT | EWX_FORCE
    EXPECT_EQ(2u, record.exit_flags);
    if (os_version_code() == 30) {
        EXPECT_EQ(std::vector<int>({kRestartExitWindows, kRestartExitWindows}), record.steps);
    } else {
        std::vector<int> once = {kRestartOpenToken, kRestartLookupPrivilege, kRestartAdjustPrivilege,
                                 kRestartExitWindows};
        std::vector<int> twice = once;
        twice.insert(twice.end(), once.begin(), once.end());
        EXPECT_EQ(twice, record.steps);
        EXPECT_EQ(0x28u, record.token_access);
        EXPECT_EQ("SeShutdownPrivilege", record.privilege);
        EXPECT_EQ(2u, record.privilege_attributes);  // SE_PRIVILEGE_ENABLED
    }
}

}  // namespace

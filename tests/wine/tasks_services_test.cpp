// Services through Wine's service manager, with the small service program
// built beside this test; on Windows 98 every operation returns 0 at once.
// wine-versions: win98 winxp
#include <gtest/gtest.h>

#include "tasks/services.h"
#include "tests/wine/tasks_support.h"

using namespace tasks_test;

namespace {

struct Installed {
    bool exists;
    DWORD state;
    DWORD start_type;
};

Installed look_up(const std::string& name) {
    Installed r = {};
    SC_HANDLE m = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE s = m ? OpenServiceA(m, name.c_str(), SERVICE_ALL_ACCESS) : nullptr;
    if (s) {
        r.exists = true;
        SERVICE_STATUS st;
        if (QueryServiceStatus(s, &st)) r.state = st.dwCurrentState;
        char buf[8192];
        DWORD need;
        if (QueryServiceConfigA(s, (QUERY_SERVICE_CONFIGA*)buf, sizeof buf, &need))
            r.start_type = ((QUERY_SERVICE_CONFIGA*)buf)->dwStartType;
        CloseServiceHandle(s);
    }
    if (m) CloseServiceHandle(m);
    return r;
}

// Ends the service's process if it still runs and deletes the service.
void force_remove(const std::string& name) {
    SC_HANDLE m = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE s = m ? OpenServiceA(m, name.c_str(), SERVICE_ALL_ACCESS) : nullptr;
    if (s) {
        SERVICE_STATUS_PROCESS sp;
        DWORD need;
        if (QueryServiceStatusEx(s, SC_STATUS_PROCESS_INFO, (BYTE*)&sp, sizeof sp, &need) && sp.dwProcessId) {
            HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, sp.dwProcessId);
            if (p) {
                TerminateProcess(p, 1);
                WaitForSingleObject(p, 60000);
                CloseHandle(p);
            }
        }
        DeleteService(s);
        CloseServiceHandle(s);
    }
    if (m) CloseServiceHandle(m);
}

class Services : public testing::Test {
protected:
    std::string exe = program_dir() + "pw_service.exe";
    std::string name = "PwTestService" + run_suffix();
    std::string key = "SYSTEM\\CurrentControlSet\\Services\\" + name;
    void SetUp() override {
        if (os_version_code() == 30) return;
        ASSERT_TRUE(path_exists(exe));
    }
    void TearDown() override {
        force_remove(name);
        EXPECT_TRUE(wait_for([&] { return !look_up(name).exists; }));
    }
};

TEST_F(Services, InstallStartsTypesTwoAndThreeWithDescription) {
    if (os_version_code() == 30) GTEST_SKIP() << "NT family";
    const int types[] = {2, 3};
    for (int type : types) {
        SCOPED_TRACE(type);
        EXPECT_EQ(1, install_service(name, "Packwright test service", exe, "Serves the tests", type));
        EXPECT_TRUE(wait_for([&] { return look_up(name).state == SERVICE_RUNNING; }));
        EXPECT_EQ((DWORD)type, look_up(name).start_type);
        EXPECT_EQ("Serves the tests", text_value(HKEY_LOCAL_MACHINE, key, "Description"));
        // The task engine's removal: the stop request, then the removal,
        // which waits for the stopped state.
        EXPECT_EQ(1, stop_service(name));
        EXPECT_EQ(1, remove_service(name));
        EXPECT_TRUE(wait_for([&] { return !look_up(name).exists; }));
    }
}

TEST_F(Services, DisabledServiceStaysStoppedAndEmptyDescriptionWritesNothing) {
    if (os_version_code() == 30) GTEST_SKIP() << "NT family";
    EXPECT_EQ(1, install_service(name, "Packwright test service", exe, "", 4));
    Installed s = look_up(name);
    EXPECT_TRUE(s.exists);
    EXPECT_EQ((DWORD)SERVICE_STOPPED, s.state);
    EXPECT_EQ(4u, s.start_type);
    EXPECT_EQ("<missing>", text_value(HKEY_LOCAL_MACHINE, key, "Description"));
    EXPECT_EQ(0, start_service(name));  // disabled
    // A second service of the same name cannot be created.
    EXPECT_EQ(kServiceNotCreated, install_service(name, "again", exe, "", 3));
    EXPECT_EQ(1, remove_service(name));
}

TEST_F(Services, StartStopAndMissingServices) {
    if (os_version_code() == 30) GTEST_SKIP() << "NT family";
    EXPECT_EQ(kServiceNoStatus, remove_service(name));
    EXPECT_EQ(0, stop_service(name));
    EXPECT_EQ(0, start_service(name));

    ASSERT_EQ(1, install_service(name, "Packwright test service", exe, "", 3));
    ASSERT_TRUE(wait_for([&] { return look_up(name).state == SERVICE_RUNNING; }));
    EXPECT_EQ(1, stop_service(name));
    ASSERT_TRUE(wait_for([&] { return look_up(name).state == SERVICE_STOPPED; }));
    EXPECT_EQ(1, start_service(name));
    EXPECT_TRUE(wait_for([&] { return look_up(name).state == SERVICE_RUNNING; }));
}

TEST_F(Services, RemoveGivesUpOnAServiceThatNeverStops) {
    if (os_version_code() == 30) GTEST_SKIP() << "NT family";
    ASSERT_EQ(1, install_service(name, "Packwright stubborn service", exe + " nostop", "", 3));
    ASSERT_TRUE(wait_for([&] { return look_up(name).state == SERVICE_RUNNING; }));
    EXPECT_EQ(0, stop_service(name));  // the request is refused
    unsigned limit = g_service_stop_wait_ms;
    g_service_stop_wait_ms = 1000;
    EXPECT_EQ(kServiceNoStatus, remove_service(name));
    g_service_stop_wait_ms = limit;
    EXPECT_TRUE(look_up(name).exists);
}

TEST_F(Services, NothingOnWindows98) {
    if (os_version_code() != 30) GTEST_SKIP() << "Windows 98";
    EXPECT_EQ(0, install_service(name, "Packwright test service", exe, "Serves the tests", 3));
    EXPECT_EQ(0, start_service(name));
    EXPECT_EQ(0, stop_service(name));
    EXPECT_EQ(0, remove_service(name));
    EXPECT_FALSE(look_up(name).exists);
}

}  // namespace

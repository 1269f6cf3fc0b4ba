#include "platform/system.h"

#include <string>

#include <windows.h>

OsVersionInfo os_version_query() {
    OsVersionInfo v = {};
    OSVERSIONINFOA vi;
    ZeroMemory(&vi, sizeof vi);
    vi.dwOSVersionInfoSize = sizeof vi;
    if (!GetVersionExA(&vi)) return v;
    v.ok = true;
    v.platform = vi.dwPlatformId;
    v.major = vi.dwMajorVersion;
    v.minor = vi.dwMinorVersion;
    if (v.major == 6) {
        OSVERSIONINFOEXA ex;
        ZeroMemory(&ex, sizeof ex);
        ex.dwOSVersionInfoSize = sizeof ex;
        if (GetVersionExA((OSVERSIONINFOA*)&ex)) {
            v.extended_ok = true;
            v.product_type = ex.wProductType;
        }
    }
    return v;
}

int os_version_code() {
    static int code = -1;
    if (code < 0) code = version_code_from(os_version_query());
    return code;
}

bool admin_test() {
    SC_HANDLE h = OpenSCManagerA(nullptr, nullptr, 0xF000F);
    if (!h) return false;
    CloseServiceHandle(h);
    return true;
}

bool mutex_create_single(const char* name) {
    CreateMutexA(nullptr, FALSE, name);
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

PlatformThread thread_start(ThreadEntry entry, void* arg) {
    DWORD id;
    return (PlatformThread)CreateThread(nullptr, 0, (LPTHREAD_START_ROUTINE)entry, arg, 0, &id);
}

bool thread_alive(PlatformThread t) {
    return t && WaitForSingleObject((HANDLE)t, 0) == WAIT_TIMEOUT;
}

void sleep_ms(unsigned ms) {
    Sleep(ms);
}

void* system_library_load(const char* name) {
    char dir[MAX_PATH + 1];
    UINT n = GetSystemDirectoryA(dir, sizeof dir);
    if (n == 0 || n >= sizeof dir) return nullptr;
    std::string path(dir, n);
    if (path.back() != '\\') path += '\\';
    path += name;
    return (void*)LoadLibraryA(path.c_str());
}

void* system_library_function(const char* library, const char* function) {
    HMODULE m = GetModuleHandleA(library);
    if (!m) m = (HMODULE)system_library_load(library);
    return m ? (void*)GetProcAddress(m, function) : nullptr;
}

// The multimedia timer functions are looked up at run time, so that the
// multimedia library comes from the system folder and from nowhere else.
static bool g_timer_raised = false;
typedef UINT(WINAPI* TimePeriodFn)(UINT);

void timer_precise_begin() {
    TimePeriodFn begin = (TimePeriodFn)system_library_function("winmm.dll", "timeBeginPeriod");
    if (!g_timer_raised && begin && begin(1) == 0) g_timer_raised = true;
}

void timer_precise_end() {
    TimePeriodFn end = (TimePeriodFn)system_library_function("winmm.dll", "timeEndPeriod");
    if (g_timer_raised && end) end(1);
    g_timer_raised = false;
}

void process_exit(unsigned code) {
    timer_precise_end();
    ExitProcess(code);
}

void dll_search_system_only() {
    typedef BOOL(WINAPI * SetDefaultDirsFn)(DWORD);
    typedef BOOL(WINAPI * SetDllDirFn)(LPCSTR);
    HMODULE k32 = GetModuleHandleA("kernel32.dll");
    if (!k32) return;
    SetDefaultDirsFn set_default = (SetDefaultDirsFn)(void*)GetProcAddress(k32, "SetDefaultDllDirectories");
    if (set_default && set_default(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */)) return;
    SetDllDirFn set_dir = (SetDllDirFn)(void*)GetProcAddress(k32, "SetDllDirectoryA");
    if (set_dir) set_dir("");
}

uint64_t random_seed_source() {
    LARGE_INTEGER pc;
    QueryPerformanceCounter(&pc);
    uint64_t seed = (uint64_t)pc.QuadPart;
    seed ^= (uint64_t)GetCurrentProcessId() << 32;
    seed ^= (uint64_t)GetTickCount() * 0x9E3779B97F4A7C15ull;
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    seed ^= ((uint64_t)ft.dwHighDateTime << 32 | ft.dwLowDateTime) * 0xBF58476D1CE4E5B9ull;
    return seed;
}

bool environment_get(const char* name, char* buf, unsigned size) {
    DWORD n = GetEnvironmentVariableA(name, buf, size);
    return n > 0 && n < size;
}

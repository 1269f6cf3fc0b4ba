// A tiny own-process service for the service tests: it runs until asked
// to stop; with the argument "nostop" (in its command line) it accepts no
// stop request and runs until its process is ended.
#include <windows.h>
#include <string.h>

static SERVICE_STATUS_HANDLE g_status_handle;
static SERVICE_STATUS g_status;
static HANDLE g_stop_event;
static bool g_refuse_stop;

static void report(DWORD state) {
    g_status.dwServiceType = SERVICE_WIN32_OWN_PROCESS | SERVICE_INTERACTIVE_PROCESS;
    g_status.dwCurrentState = state;
    g_status.dwControlsAccepted = (state == SERVICE_RUNNING && !g_refuse_stop) ? SERVICE_ACCEPT_STOP : 0;
    SetServiceStatus(g_status_handle, &g_status);
}

static DWORD WINAPI control(DWORD code, DWORD, void*, void*) {
    if (code == SERVICE_CONTROL_STOP && !g_refuse_stop) {
        report(SERVICE_STOP_PENDING);
        SetEvent(g_stop_event);
        return NO_ERROR;
    }
    return code == SERVICE_CONTROL_INTERROGATE ? NO_ERROR : ERROR_CALL_NOT_IMPLEMENTED;
}

static void WINAPI service_main(DWORD, char**) {
    g_status_handle = RegisterServiceCtrlHandlerExA("", control, nullptr);
    if (!g_status_handle) return;
    report(SERVICE_RUNNING);
    WaitForSingleObject(g_stop_event, INFINITE);
    report(SERVICE_STOPPED);
}

int main() {
    g_refuse_stop = strstr(GetCommandLineA(), "nostop") != nullptr;
    g_stop_event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SERVICE_TABLE_ENTRYA table[] = {{(char*)"", service_main}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) ? 0 : 1;
}

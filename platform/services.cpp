#include "platform/services.h"

#include <windows.h>

ServiceHandle service_manager_open() {
    return (ServiceHandle)OpenSCManagerA(nullptr, nullptr, 0xF000F);
}

ServiceHandle service_open(ServiceHandle manager, const std::string& name) {
    return (ServiceHandle)OpenServiceA((SC_HANDLE)manager, name.c_str(), SERVICE_ALL_ACCESS);
}

void service_close(ServiceHandle h) {
    if (h) CloseServiceHandle((SC_HANDLE)h);
}

bool service_start(ServiceHandle service) {
    return StartServiceA((SC_HANDLE)service, 0, nullptr) != 0;
}

bool service_send_stop(ServiceHandle service) {
    SERVICE_STATUS status;
    return ControlService((SC_HANDLE)service, SERVICE_CONTROL_STOP, &status) != 0;
}

unsigned service_state(ServiceHandle service) {
    SERVICE_STATUS status;
    if (!QueryServiceStatus((SC_HANDLE)service, &status)) return 0;
    return status.dwCurrentState;
}

bool service_delete(ServiceHandle service) {
    return DeleteService((SC_HANDLE)service) != 0;
}

ServiceHandle service_create(ServiceHandle manager, const std::string& name, const std::string& display_name,
                             const std::string& executable, unsigned start_type) {
    return (ServiceHandle)CreateServiceA((SC_HANDLE)manager, name.c_str(), display_name.c_str(), SERVICE_ALL_ACCESS,
                                         SERVICE_WIN32_OWN_PROCESS | SERVICE_INTERACTIVE_PROCESS, start_type,
                                         SERVICE_ERROR_NORMAL, executable.c_str(), nullptr, nullptr, nullptr, nullptr,
                                         nullptr);
}

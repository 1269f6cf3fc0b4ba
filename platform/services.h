// The service control manager of the local machine (NT family only).
#pragma once
#include <string>

typedef void* ServiceHandle;  // SC_HANDLE; null when not open

enum { kServiceStopped = 1 };

// OpenSCManagerA(local machine, active database, 0xF000F).
ServiceHandle service_manager_open();
// OpenServiceA with SERVICE_ALL_ACCESS.
ServiceHandle service_open(ServiceHandle manager, const std::string& name);
void service_close(ServiceHandle h);
bool service_start(ServiceHandle service);      // StartServiceA, no arguments
bool service_send_stop(ServiceHandle service);  // ControlService(SERVICE_CONTROL_STOP)
// QueryServiceStatus: the current state, or 0 when it cannot be read.
unsigned service_state(ServiceHandle service);
bool service_delete(ServiceHandle service);
// CreateServiceA: own process, interactive (0x110), error control normal,
// LocalSystem, no group, tag, dependencies or password.
ServiceHandle service_create(ServiceHandle manager, const std::string& name, const std::string& display_name,
                             const std::string& executable, unsigned start_type);

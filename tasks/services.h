// Services through the service control manager. On Windows 95, 98 and ME
// (no services) every operation returns 0 at once and touches nothing.
#pragma once
#include <string>

#include "platform/system.h"

// os_code: the operating-system version code the operation branches on;
// this system's own unless a caller passes another.

enum {
    kServiceNoManager = -1,
    kServiceNotCreated = -2,
    kServiceNoStatus = -3,  // also: not opened, or did not stop in time
    kServiceNotDone = -4,   // DeleteService or StartServiceA failed
};

// How long remove_service waits for a service to report it stopped:
// 10 seconds; tests may shorten it.
extern unsigned g_service_stop_wait_ms;

// Asks the service to start; does not wait for it to run. Nonzero when
// the request was accepted.
int start_service(const std::string& name, int os_code = os_version_code());
// Sends the stop request; does not wait for it to stop.
int stop_service(const std::string& name, int os_code = os_version_code());
// Waits (at most g_service_stop_wait_ms) until the service reports it
// stopped, then deletes it. 1 removed, or a negative code.
int remove_service(const std::string& name, int os_code = os_version_code());
// Creates the service (start type 0..4 passed unchanged), starts it at
// once for types 2 and 3, and writes the "Description" value when the
// description is not empty. 1 installed, or a negative code.
int install_service(const std::string& name, const std::string& display_name,
                    const std::string& executable, const std::string& description, int start_type,
                    int os_code = os_version_code());

#include "tasks/services.h"

#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/system.h"
#include "tasks/os_branches.h"

unsigned g_service_stop_wait_ms = 10000;

static const char kServicesKey[] = "SYSTEM\\CurrentControlSet\\Services\\";

// Service handle first, then the manager.
static void release(ServiceHandle service, ServiceHandle manager) {
    service_close(service);
    service_close(manager);
}

int start_service(const std::string& name, int os_code) {
    if (os_is_9x_family(os_code)) return 0;
    ServiceHandle manager = service_manager_open();
    if (!manager) return 0;
    ServiceHandle service = service_open(manager, name);
    int result = service && service_start(service) ? 1 : 0;
    release(service, manager);
    return result;
}

int stop_service(const std::string& name, int os_code) {
    if (os_is_9x_family(os_code)) return 0;
    ServiceHandle manager = service_manager_open();
    if (!manager) return 0;
    ServiceHandle service = service_open(manager, name);
    int result = service && service_send_stop(service) ? 1 : 0;
    release(service, manager);
    return result;
}

int remove_service(const std::string& name, int os_code) {
    if (os_is_9x_family(os_code)) return 0;
    ServiceHandle manager = service_manager_open();
    if (!manager) return kServiceNoManager;
    ServiceHandle service = service_open(manager, name);
    if (!service) {
        release(service, manager);
        return kServiceNoStatus;
    }
    // A service that ignores the stop request would otherwise hold the
    // tasks thread forever; after the limit it is left installed.
    uint32_t started = clock_ms();
    for (;;) {
        unsigned state = service_state(service);
        if (state == 0) {
            release(service, manager);
            return kServiceNoStatus;
        }
        if (state == kServiceStopped) break;
        if (clock_ms() - started >= g_service_stop_wait_ms) {
            release(service, manager);
            return kServiceNoStatus;
        }
        sleep_ms(1);
    }
    int result = service_delete(service) ? 1 : kServiceNotDone;
    release(service, manager);
    return result;
}

int install_service(const std::string& name, const std::string& display_name,
                    const std::string& executable, const std::string& description, int start_type, int os_code) {
    if (os_is_9x_family(os_code)) return 0;
    ServiceHandle manager = service_manager_open();
    if (!manager) return kServiceNoManager;
    ServiceHandle service = service_create(manager, name, display_name, executable, (unsigned)start_type);
    if (!service) {
        release(service, manager);
        return kServiceNotCreated;
    }
    unsigned state = service_state(service);
    if (state == 0) {
        release(service, manager);
        return kServiceNoStatus;
    }
    if (state == kServiceStopped && (start_type == 2 || start_type == 3) && !service_start(service)) {
        release(service, manager);
        return kServiceNotDone;
    }
    release(service, manager);
    if (!description.empty()) {
        RegistryKey key = registry_open(kRootLocalMachine, kServicesKey + name);
        if (key) {
            registry_set_value(key, "Description", kRegSz, description.c_str(), (uint32_t)description.size() + 1);
            registry_close(key);
        }
    }
    return 1;
}

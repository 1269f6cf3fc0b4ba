// Process, threads, version and security calls.
#pragma once
#include <cstdint>

#include "startup/version_code.h"

// GetVersionExA, and the extended structure for the product type.
OsVersionInfo os_version_query();

// The operating-system version code of this process, computed once.
int os_version_code();

// OpenSCManagerA with 0xF000F: true when it gives a handle (closed at once).
bool admin_test();

// CreateMutexA(not owned); true when the name already existed. The handle
// stays open for the life of the process.
bool mutex_create_single(const char* name);

typedef void* PlatformThread;
typedef unsigned long (__stdcall* ThreadEntry)(void*);
PlatformThread thread_start(ThreadEntry entry, void* arg);  // null on failure
bool thread_alive(PlatformThread t);

void sleep_ms(unsigned ms);

// Raises the system timer resolution to 1 ms, so that 1 ms sleeps last
// 1 ms rather than a scheduler tick; restored by timer_precise_end.
void timer_precise_begin();
void timer_precise_end();

[[noreturn]] void process_exit(unsigned code);

// Restricts DLL loading to the system folder, so that a library planted
// next to the executable is never loaded.
void dll_search_system_only();

// Loads a library by its full path in the system folder, never from the
// executable's folder or the current folder; null when it cannot be loaded.
void* system_library_load(const char* name);
// Address of a function of a library loaded that way; null when missing.
void* system_library_function(const char* library, const char* function);

// A per-process seed from the process id, the performance counter and
// the tick count.
uint64_t random_seed_source();

// Environment variable, empty when unset.
bool environment_get(const char* name, char* buf, unsigned size);

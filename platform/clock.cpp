#include "platform/clock.h"

#include <windows.h>

uint32_t clock_ms() {
    return GetTickCount();
}

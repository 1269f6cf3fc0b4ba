// Milliseconds since the system started (GetTickCount); wraps after 49
// days, so compare differences, not values.
#pragma once
#include <cstdint>

uint32_t clock_ms();

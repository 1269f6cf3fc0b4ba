#include "startup/random_numbers.h"

static uint64_t g_state = 0x9E3779B97F4A7C15ull;

static uint64_t splitmix_next() {
    uint64_t z = (g_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void random_seed(uint64_t seed) {
    g_state = seed;
    splitmix_next();
}

uint32_t random_below_or_equal(uint32_t max_inclusive) {
    uint64_t range = (uint64_t)max_inclusive + 1;
    // Rejection keeps the draw uniform.
    uint64_t limit = UINT64_MAX - (UINT64_MAX % range);
    uint64_t r;
    do {
        r = splitmix_next();
    } while (r >= limit);
    return (uint32_t)(r % range);
}

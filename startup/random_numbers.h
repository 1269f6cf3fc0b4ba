// Uniform random numbers for folder and file names. Seeded once per
// process from values that differ between two processes started in the
// same second (process id, high-resolution counter, tick count).
#pragma once
#include <cstdint>

void random_seed(uint64_t seed);

// Uniform integer in 0..max_inclusive.
uint32_t random_below_or_equal(uint32_t max_inclusive);

// A byte count as a short text with a unit, as the destination page shows
// free and required space.
#pragma once
#include <cstdint>
#include <string>

// Value with `decimals` digits after the point (none for plain bytes) and
// one of the units B, KB, MB, GB, TB, PB, EB. The unit exponent is taken
// from logarithms rounded to 32-bit floats, so some exact powers of 1024
// read one unit low (1,073,741,824 bytes give "1024.0 MB"). A negative
// count (a failed drive query) gives "?".
std::string size_text(int64_t bytes, int decimals);

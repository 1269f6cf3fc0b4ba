// Colours of the background window's two-colour gradient.
#pragma once
#include <cstdint>
#include <vector>

struct Rgb {
    int r, g, b;
};

// 1 (top to bottom) when BHorizontal is 1, otherwise 0 (left to right);
// BVertical plays no part.
int gradient_direction(int32_t b_horizontal);

// The colour of each of the `steps` rows (direction 1) or columns
// (direction 0): step i has channel C1 - i * dC with dC = (C1 - C2) / steps
// in single precision, rounded to the nearest integer, halves to even.
// Step 0 is exactly colour 1; the last step is one step short of colour 2.
std::vector<Rgb> gradient_steps(Rgb first, Rgb second, int steps);

// A Windows colour value r + g * 256 + b * 65536.
uint32_t rgb_value(Rgb c);

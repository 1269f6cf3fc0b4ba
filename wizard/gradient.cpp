#include "wizard/gradient.h"

#include <cmath>

int gradient_direction(int32_t b_horizontal) {
    return b_horizontal == 1 ? 1 : 0;
}

// One channel of step i, computed in single precision as the gradient
// has always been drawn. volatile keeps the x87 unit of the 32-bit build
// from carrying extra precision between the steps.
static int channel(int c1, int c2, int steps, int i) {
    volatile float step = (float)(c1 - c2) / (float)steps;
    volatile float product = (float)i * step;
    volatile float value = (float)c1 - product;
    return (int)std::nearbyint((double)value);
}

std::vector<Rgb> gradient_steps(Rgb first, Rgb second, int steps) {
    std::vector<Rgb> out;
    if (steps <= 0) return out;
    out.resize((size_t)steps);
    for (int i = 0; i < steps; ++i) {
        out[(size_t)i].r = channel(first.r, second.r, steps, i);
        out[(size_t)i].g = channel(first.g, second.g, steps, i);
        out[(size_t)i].b = channel(first.b, second.b, steps, i);
    }
    return out;
}

uint32_t rgb_value(Rgb c) {
    return (uint32_t)(c.r & 0xFF) | ((uint32_t)(c.g & 0xFF) << 8) | ((uint32_t)(c.b & 0xFF) << 16);
}

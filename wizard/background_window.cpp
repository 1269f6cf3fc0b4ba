#include "wizard/background_window.h"

#include <string>

#include "platform/wizard_controls.h"
#include "script/placeholders.h"
#include "script/settings.h"
#include "startup/state.h"
#include "wizard/gradient.h"

static Rgb rgb_of(uint32_t c) {
    Rgb out = {(int)(c & 0xFF), (int)((c >> 8) & 0xFF), (int)((c >> 16) & 0xFF)};
    return out;
}

PlatformBitmap gradient_image(int width, int height, uint32_t first, uint32_t second, int direction) {
    std::vector<Rgb> steps = gradient_steps(rgb_of(first), rgb_of(second), direction == 1 ? height : width);
    std::vector<uint32_t> colours;
    colours.reserve(steps.size());
    for (const Rgb& c : steps) colours.push_back(rgb_value(c));
    return bitmap_stripes(width, height, direction, colours);
}

static std::string trimmed(const std::string& s) {
    size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return std::string();
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

PlatformWindow background_window_open() {
    const auto& look = g_script.Look;
    int w = 0, h = 0;
    desktop_size(&w, &h);
    Rgb first = {look.BFirstColorR, look.BFirstColorG, look.BFirstColorB};
    Rgb second = {look.BSecondColorR, look.BSecondColorG, look.BSecondColorB};
    Rgb text_colour = {look.BTextColorR, look.BTextColorG, look.BTextColorB};
    PlatformBitmap image = gradient_image(w, h, rgb_value(first), rgb_value(second),
                                          gradient_direction(look.BHorizontal));
    if (image && !trimmed(look.BText).empty())
        bitmap_draw_text(image, 10, 10, placeholders_expand(look.BText), g_startup.fonts[4], rgb_value(text_colour));

    const auto& general = g_script.GeneralInformation;
    std::string caption = general.AppName + " v." + general.Version + " Setup";
    PlatformWindow window = background_window_create(caption.c_str(), w, h);
    if (!window) return nullptr;
    window_set_close_item(window, 0);
    window_set_maximize_box(window, 0);
    // Without an image the window still covers the screen, plainly.
    if (image) control_bitmap(window, 1, image, 0, 0, w, h, false);
    return window;
}

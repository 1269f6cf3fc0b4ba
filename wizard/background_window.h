// The full-screen background window: a two-colour gradient with an
// optional line of large text, behind the wizard window.
#pragma once

#include "platform/drawing.h"
#include "platform/ui.h"

// The gradient of the install script's two colours over width x height;
// null when the image cannot be made.
PlatformBitmap gradient_image(int width, int height, uint32_t first, uint32_t second, int direction);

// Opens the window (hidden) with the gradient and the background text;
// its handle becomes the owner of the wizard window.
PlatformWindow background_window_open();

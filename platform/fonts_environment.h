// Font registration and the broadcasts that tell running programs about
// changed fonts and environment.
#pragma once
#include <string>

bool font_resource_add(const std::string& font_file);  // AddFontResourceA: nonzero fonts added
// WM_FONTCHANGE to every top-level window.
void broadcast_font_change();
// WM_SETTINGCHANGE with the text "Environment" to every top-level window.
void broadcast_environment_change();

#include "platform/fonts_environment.h"

#include <windows.h>

// A top-level window that does not answer must not hold the installer:
// the broadcast gives up on hung windows and waits at most this long.
static const UINT kBroadcastWaitMs = 5000;

bool font_resource_add(const std::string& font_file) {
    return AddFontResourceA(font_file.c_str()) != 0;
}

void broadcast_font_change() {
    DWORD_PTR answer;
    SendMessageTimeoutA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, kBroadcastWaitMs, &answer);
}

void broadcast_environment_change() {
    DWORD_PTR answer;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, (LPARAM) "Environment", SMTO_ABORTIFHUNG,
                        kBroadcastWaitMs, &answer);
}

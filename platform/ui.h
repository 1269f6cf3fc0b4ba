// Windows, controls, message boxes, fonts and icons ("A" functions).
#pragma once
#include <string>

typedef void* PlatformWindow;  // HWND
typedef void* PlatformFont;    // HFONT
typedef void* PlatformIcon;    // HICON

// Message box types and answers used by the installer.
enum {
    kBoxError = 16,        // MB_ICONHAND | MB_OK
    kBoxConfirm = 20,      // MB_YESNO | MB_ICONHAND
    kBoxExclamation = 48,  // MB_ICONEXCLAMATION | MB_OK
    kAnswerYes = 6,
    kAnswerNo = 7,
};

// Message box owned by no window (or by owner); returns the button id.
int message_box(const char* title, const char* text, unsigned type, PlatformWindow owner = nullptr);

// Registers the common controls (progress bar, tree view, ...).
void ui_init_common_controls();

// A font created with CreateFontA: height -MulDiv(points, LOGPIXELSY, 72),
// DEFAULT_CHARSET, no italic, underline or strike-out.
PlatformFont font_create(const char* face, int points, int weight, int quality);

void font_delete(PlatformFont f);
void icon_delete(PlatformIcon i);

// A 32x32 icon from the program's resources.
PlatformIcon icon_load(int resource_id);

// Top-level window with WS_CAPTION only, hidden, client area w x h,
// centred on the screen. The window procedure routes WM_COMMAND from
// buttons into the click queue read by window_take_click.
PlatformWindow window_create_dialog(const char* caption, int client_w, int client_h);

// Child controls at client coordinates; return null on failure.
PlatformWindow control_button(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h, bool is_default);
PlatformWindow control_static(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h);
PlatformWindow control_icon(PlatformWindow parent, int id, PlatformIcon icon, int x, int y, int w, int h);
PlatformWindow control_progress(PlatformWindow parent, int id, int x, int y, int w, int h);
PlatformWindow control_combo_list(PlatformWindow parent, int id, int x, int y, int w, int h);

PlatformWindow control_get(PlatformWindow parent, int id);
void progress_set(PlatformWindow bar, int percent);
void combo_insert(PlatformWindow combo, int position, const char* text);
void combo_select(PlatformWindow combo, int position);
std::string combo_selected_text(PlatformWindow combo);

void window_show(PlatformWindow w);
void window_destroy(PlatformWindow w);

// Takes one pending window event without blocking and dispatches it;
// false when none was pending.
bool ui_pump_one();
// Waits for the next event and dispatches it; false on WM_QUIT.
bool ui_wait_one();

// Id of the next button click seen by a window made with
// window_create_dialog, or 0 when none is queued.
int window_take_click(PlatformWindow w);

// The wizard's windows and the controls on its pages, beyond the plain
// ones of platform/ui.h: page containers, check boxes, etched lines, text
// fields, frames, list boxes, read-only rich text, a tree with check
// boxes, bitmap images and a web link.
#pragma once
#include <string>

#include "platform/drawing.h"
#include "platform/ui.h"

// Top-level window with caption, system menu and minimize box; client area
// w x h, centred on the screen, hidden; owned by owner when given.
PlatformWindow wizard_window_create(const char* caption, int client_w, int client_h, PlatformWindow owner);

// Full-screen window with caption, system menu and minimize box at (0, 0),
// size w x h, hidden, with the maximize flag.
PlatformWindow background_window_create(const char* caption, int w, int h);

// A container for one page's elements; their events reach the wizard's
// event queue as if they sat on the window itself.
PlatformWindow control_page(PlatformWindow parent, int id, int x, int y, int w, int h);
PlatformWindow control_check_box(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h);
PlatformWindow control_etched_line(PlatformWindow parent, int id, int x, int y, int w, int h);
PlatformWindow control_text_field(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h);
PlatformWindow control_frame(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h);
PlatformWindow control_list_box(PlatformWindow parent, int id, int x, int y, int w, int h);
// Read-only rich edit with a thin static edge that wraps at its edge.
PlatformWindow control_rich_text(PlatformWindow parent, int id, int x, int y, int w, int h);
// Tree of check boxes without lines, expand buttons or sunken edge.
PlatformWindow control_check_tree(PlatformWindow parent, int id, int x, int y, int w, int h);
// Shows a bitmap at the element's own size (a smaller bitmap is centred).
PlatformWindow control_bitmap(PlatformWindow parent, int id, PlatformBitmap bitmap, int x, int y, int w, int h,
                              bool clip_siblings);
// Underlined text that reports clicks, drawn black while the mouse is on it.
PlatformWindow control_web_link(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h);

void control_set_font(PlatformWindow c, PlatformFont font);
void control_set_white_background(PlatformWindow c);
void control_enable(PlatformWindow c, bool enabled);
bool control_enabled(PlatformWindow c);
void control_set_visible(PlatformWindow c, bool visible);
bool control_visible(PlatformWindow c);
void control_set_text(PlatformWindow c, const std::string& text);
std::string control_text(PlatformWindow c);
void control_focus(PlatformWindow c);

bool check_box_ticked(PlatformWindow c);
void check_box_set(PlatformWindow c, bool ticked);

void list_box_add(PlatformWindow c, const std::string& text);
int list_box_selected(PlatformWindow c);  // -1 when none
std::string list_box_item(PlatformWindow c, int index);

// Appends a ticked item; returns its position or -1.
int tree_add_ticked(PlatformWindow c, const std::string& text);
bool tree_item_ticked(PlatformWindow c, int position);

// Greys (state 0) or enables (state 1) the Close item of the system menu.
void window_set_close_item(PlatformWindow w, int state);
// Adds (state 1) or removes (state 0) the maximize box and redraws the frame.
void window_set_maximize_box(PlatformWindow w, int state);
void window_show_maximized(PlatformWindow w);

// An event of an element of the wizard window: its id and notification
// code (0 for clicks, 1 for a changed list selection).
struct ElementEvent {
    int id;
    int code;
};
enum { kEventClicked = 0, kEventSelectionChanged = 1 };

// Waits for the next element event of the wizard window, dispatching
// every other window event meanwhile (Tab moves between elements).
// False when the message loop ends.
bool element_event_wait(PlatformWindow top, ElementEvent* e);

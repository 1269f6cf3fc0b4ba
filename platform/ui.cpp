#include "platform/ui.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

int message_box(const char* title, const char* text, unsigned type, PlatformWindow owner) {
    return MessageBoxA((HWND)owner, text, title, type);
}

void ui_init_common_controls() {
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES;
    InitCommonControlsEx(&icc);
}

PlatformFont font_create(const char* face, int points, int weight, int quality) {
    HDC dc = GetDC(nullptr);
    int height = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(nullptr, dc);
    return (PlatformFont)CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, (BYTE)quality, DEFAULT_PITCH | FF_DONTCARE, face);
}

void font_delete(PlatformFont f) {
    if (f) DeleteObject((HGDIOBJ)f);
}

void icon_delete(PlatformIcon i) {
    if (i) DestroyIcon((HICON)i);
}

PlatformIcon icon_load(int resource_id) {
    return (PlatformIcon)LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource_id), IMAGE_ICON, 32, 32, 0);
}

// Clicks are queued per window in its user data so that polling loops
// (the please-wait loop, the language dialog) can see them.
struct ClickQueue {
    std::vector<int> ids;
};

static LRESULT CALLBACK dialog_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED && lp) {
        ClickQueue* q = (ClickQueue*)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
        if (q) q->ids.push_back(LOWORD(wp));
        return 0;
    }
    if (msg == WM_CLOSE) return 0;  // no close box; ignore Alt+F4
    if (msg == WM_NCDESTROY) {
        delete (ClickQueue*)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

PlatformWindow window_create_dialog(const char* caption, int client_w, int client_h) {
    static bool registered = false;
    HINSTANCE inst = GetModuleHandleA(nullptr);
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = dialog_proc;
        wc.hInstance = inst;
        wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = "KestralineDialog";
        registered = RegisterClassA(&wc) != 0;
    }
    RECT r = {0, 0, client_w, client_h};
    AdjustWindowRect(&r, WS_CAPTION, FALSE);
    int w = r.right - r.left, h = r.bottom - r.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    HWND hwnd = CreateWindowExA(0, "KestralineDialog", caption, WS_CAPTION, x, y, w, h, nullptr, nullptr, inst, nullptr);
    if (hwnd) SetWindowLongPtrA(hwnd, GWLP_USERDATA, (LONG_PTR) new ClickQueue);
    return (PlatformWindow)hwnd;
}

static HWND make_child(PlatformWindow parent, const char* cls, DWORD style, int id, const char* text, int x, int y,
                       int w, int h) {
    if (!parent) return nullptr;
    HWND c = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, (HWND)parent,
                             (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
    // The standard dialog font: with the raw system font the three-line
    // texts of the small dialogs do not fit their fixed boxes.
    if (c) SendMessageA(c, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    return c;
}

PlatformWindow control_button(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h,
                              bool is_default) {
    return make_child(parent, "BUTTON", WS_TABSTOP | (is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), id, text, x, y,
                      w, h);
}

PlatformWindow control_static(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h) {
    return make_child(parent, "STATIC", SS_LEFT, id, text, x, y, w, h);
}

PlatformWindow control_icon(PlatformWindow parent, int id, PlatformIcon icon, int x, int y, int w, int h) {
    HWND c = make_child(parent, "STATIC", SS_ICON, id, "", x, y, w, h);
    if (c && icon) SendMessageA(c, STM_SETICON, (WPARAM)icon, 0);
    return c;
}

PlatformWindow control_progress(PlatformWindow parent, int id, int x, int y, int w, int h) {
    HWND c = make_child(parent, PROGRESS_CLASSA, 0, id, "", x, y, w, h);
    if (c) SendMessageA(c, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    return c;
}

PlatformWindow control_combo_list(PlatformWindow parent, int id, int x, int y, int w, int h) {
    return make_child(parent, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, id, "", x, y, w, h);
}

PlatformWindow control_get(PlatformWindow parent, int id) {
    return parent ? (PlatformWindow)GetDlgItem((HWND)parent, id) : nullptr;
}

void progress_set(PlatformWindow bar, int percent) {
    if (bar) SendMessageA((HWND)bar, PBM_SETPOS, (WPARAM)percent, 0);
}

void combo_insert(PlatformWindow combo, int position, const char* text) {
    if (combo) SendMessageA((HWND)combo, CB_INSERTSTRING, (WPARAM)position, (LPARAM)text);
}

void combo_select(PlatformWindow combo, int position) {
    if (combo) SendMessageA((HWND)combo, CB_SETCURSEL, (WPARAM)position, 0);
}

std::string combo_selected_text(PlatformWindow combo) {
    if (!combo) return std::string();
    LRESULT sel = SendMessageA((HWND)combo, CB_GETCURSEL, 0, 0);
    if (sel == CB_ERR) return std::string();
    LRESULT len = SendMessageA((HWND)combo, CB_GETLBTEXTLEN, (WPARAM)sel, 0);
    if (len == CB_ERR) return std::string();
    std::string text((size_t)len + 1, '\0');
    SendMessageA((HWND)combo, CB_GETLBTEXT, (WPARAM)sel, (LPARAM)&text[0]);
    text.resize((size_t)len);
    return text;
}

void window_show(PlatformWindow w) {
    if (!w) return;
    ShowWindow((HWND)w, SW_SHOW);
    UpdateWindow((HWND)w);
}

void window_destroy(PlatformWindow w) {
    if (w) DestroyWindow((HWND)w);
}

bool ui_pump_one() {
    MSG m;
    if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) return false;
    TranslateMessage(&m);
    DispatchMessageA(&m);
    return true;
}

bool ui_wait_one() {
    MSG m;
    if (GetMessageA(&m, nullptr, 0, 0) <= 0) return false;
    TranslateMessage(&m);
    DispatchMessageA(&m);
    return true;
}

int window_take_click(PlatformWindow w) {
    if (!w) return 0;
    ClickQueue* q = (ClickQueue*)GetWindowLongPtrA((HWND)w, GWLP_USERDATA);
    if (!q || q->ids.empty()) return 0;
    int id = q->ids.front();
    q->ids.erase(q->ids.begin());
    return id;
}

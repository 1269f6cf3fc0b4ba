#include "platform/wizard_controls.h"

#include "platform/system.h"

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <vector>

static const char kPropWhite[] = "PwWhite";
static const char kPropLink[] = "PwLink";
static const char kPropHover[] = "PwHover";
static const char kPropOldProc[] = "PwOldProc";

// Element events of the wizard window, in arrival order.
static std::vector<ElementEvent> g_events;

// Colours of static elements: white backgrounds and the web link.
static LRESULT colour_static(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    HDC dc = (HDC)wp;
    HWND c = (HWND)lp;
    if (GetPropA(c, kPropWhite)) {
        SetBkColor(dc, RGB(255, 255, 255));
        return (LRESULT)GetStockObject(WHITE_BRUSH);
    }
    if (GetPropA(c, kPropLink)) {
        SetTextColor(dc, GetPropA(c, kPropHover) ? RGB(0, 0, 0) : RGB(0, 0, 255));
        SetBkMode(dc, TRANSPARENT);
        return (LRESULT)GetSysColorBrush(COLOR_BTNFACE);
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

static void queue_command(WPARAM wp, LPARAM lp) {
    if (!lp) return;
    int code = HIWORD(wp);
    char cls[32] = "";
    GetClassNameA((HWND)lp, cls, sizeof cls);
    bool list = lstrcmpiA(cls, "ListBox") == 0;
    if (list ? code != LBN_SELCHANGE : code != BN_CLICKED) return;
    ElementEvent e = {(int)(short)LOWORD(wp), list ? kEventSelectionChanged : kEventClicked};
    g_events.push_back(e);
}

// The default button for Enter: the first visible and enabled button made
// as a default button (Next on the inner pages, Finish on the last).
static LRESULT default_button(HWND hwnd) {
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c) || !IsWindowEnabled(c)) continue;
        if ((GetWindowLongA(c, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON)
            return MAKELRESULT(GetDlgCtrlID(c), DC_HASDEFID);
    }
    return 0;
}

static LRESULT CALLBACK wizard_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case DM_GETDEFID:
            return default_button(hwnd);
        case WM_COMMAND:
            queue_command(wp, lp);
            return 0;
        case WM_CTLCOLORSTATIC:
            return colour_static(hwnd, msg, wp, lp);
        case WM_CLOSE:
            return 0;  // only the wizard's own buttons leave it
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

static LRESULT CALLBACK page_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
            return SendMessageA(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
        case WM_CTLCOLORSTATIC:
            return colour_static(hwnd, msg, wp, lp);
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

static LRESULT CALLBACK background_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) return 0;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

static void register_class(const char* name, WNDPROC proc) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(101));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

static void register_classes() {
    static bool done = false;
    if (done) return;
    done = true;
    register_class("KestralineWizard", wizard_proc);
    register_class("KestralinePage", page_proc);
    register_class("KestralineBackground", background_proc);
}

PlatformWindow wizard_window_create(const char* caption, int client_w, int client_h, PlatformWindow owner) {
    register_classes();
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT r = {0, 0, client_w, client_h};
    AdjustWindowRect(&r, style, FALSE);
    int w = r.right - r.left, h = r.bottom - r.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    return (PlatformWindow)CreateWindowExA(WS_EX_CONTROLPARENT, "KestralineWizard", caption, style, x, y, w, h,
                                           (HWND)owner, nullptr, GetModuleHandleA(nullptr), nullptr);
}

PlatformWindow background_window_create(const char* caption, int w, int h) {
    register_classes();
    return (PlatformWindow)CreateWindowExA(0, "KestralineBackground", caption,
                                           WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZE, 0, 0, w, h,
                                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

static HWND make_child(PlatformWindow parent, DWORD ex_style, const char* cls, DWORD style, int id, const char* text,
                       int x, int y, int w, int h) {
    if (!parent) return nullptr;
    HWND c = CreateWindowExA(ex_style, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, (HWND)parent,
                             (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
    if (c) SendMessageA(c, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    return c;
}

PlatformWindow control_page(PlatformWindow parent, int id, int x, int y, int w, int h) {
    register_classes();
    return make_child(parent, WS_EX_CONTROLPARENT, "KestralinePage", WS_CLIPCHILDREN, id, "", x, y, w, h);
}

PlatformWindow control_check_box(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h) {
    return make_child(parent, 0, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, id, text, x, y, w, h);
}

PlatformWindow control_etched_line(PlatformWindow parent, int id, int x, int y, int w, int h) {
    return make_child(parent, 0, "STATIC", SS_ETCHEDHORZ, id, "", x, y, w, h);
}

PlatformWindow control_text_field(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h) {
    return make_child(parent, WS_EX_CLIENTEDGE, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, id, text, x, y, w, h);
}

PlatformWindow control_frame(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h) {
    return make_child(parent, 0, "BUTTON", BS_GROUPBOX, id, text, x, y, w, h);
}

PlatformWindow control_list_box(PlatformWindow parent, int id, int x, int y, int w, int h) {
    return make_child(parent, WS_EX_CLIENTEDGE, "LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                      id, "", x, y, w, h);
}

PlatformWindow control_rich_text(PlatformWindow parent, int id, int x, int y, int w, int h) {
    static bool loaded = false;
    // From the system folder only: never a library planted beside Setup.exe.
    if (!loaded) loaded = system_library_load("riched20.dll") != nullptr;
    HWND c = make_child(parent, WS_EX_CLIENTEDGE, RICHEDIT_CLASSA,
                        ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, id, "", x, y, w, h);
    if (!c) return nullptr;
    // A thin edge instead of the sunken one, and lines wrapped at the edge.
    LONG_PTR ex = GetWindowLongPtrA(c, GWL_EXSTYLE);
    SetWindowLongPtrA(c, GWL_EXSTYLE, (ex & ~(LONG_PTR)WS_EX_CLIENTEDGE) | WS_EX_STATICEDGE);
    SetWindowPos(c, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    SendMessageA(c, EM_SETTARGETDEVICE, 0, 0);
    // Long licence texts must not be cut at the default 32,767 characters.
    SendMessageA(c, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    return c;
}

PlatformWindow control_check_tree(PlatformWindow parent, int id, int x, int y, int w, int h) {
    HWND c = make_child(parent, 0, WC_TREEVIEWA, TVS_SHOWSELALWAYS | TVS_NOHSCROLL | WS_TABSTOP, id, "", x, y, w, h);
    if (!c) return nullptr;
    // Check boxes are switched on after creation so that the state images
    // exist before the first item is added.
    SetWindowLongPtrA(c, GWL_STYLE, GetWindowLongPtrA(c, GWL_STYLE) | TVS_CHECKBOXES);
    return c;
}

PlatformWindow control_bitmap(PlatformWindow parent, int id, PlatformBitmap bitmap, int x, int y, int w, int h,
                              bool clip_siblings) {
    HWND c = make_child(parent, 0, "STATIC", SS_BITMAP | SS_CENTERIMAGE | (clip_siblings ? WS_CLIPSIBLINGS : 0), id,
                        "", x, y, w, h);
    if (c && bitmap) SendMessageA(c, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bitmap);
    // Some versions size the element to the bitmap; keep the element's own.
    if (c) SetWindowPos(c, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    return c;
}

static LRESULT CALLBACK link_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    WNDPROC old = (WNDPROC)GetPropA(hwnd, kPropOldProc);
    switch (msg) {
        case WM_MOUSEMOVE:
            if (!GetPropA(hwnd, kPropHover)) {
                SetPropA(hwnd, kPropHover, (HANDLE)1);
                TRACKMOUSEEVENT t = {sizeof t, TME_LEAVE, hwnd, 0};
                TrackMouseEvent(&t);
                InvalidateRect(hwnd, nullptr, TRUE);
            }
            break;
        case WM_MOUSELEAVE:
            RemovePropA(hwnd, kPropHover);
            InvalidateRect(hwnd, nullptr, TRUE);
            break;
        case WM_SETCURSOR:
            SetCursor(LoadCursorA(nullptr, (LPCSTR)IDC_HAND));
            return TRUE;
        case WM_NCDESTROY:
            RemovePropA(hwnd, kPropOldProc);
            RemovePropA(hwnd, kPropHover);
            RemovePropA(hwnd, kPropLink);
            break;
    }
    return CallWindowProcA(old, hwnd, msg, wp, lp);
}

PlatformWindow control_web_link(PlatformWindow parent, int id, const char* text, int x, int y, int w, int h) {
    // Clipped by the buttons beside it: its width is measured in the screen
    // font, which can be wider than the link font.
    HWND c = make_child(parent, 0, "STATIC", SS_NOTIFY | SS_LEFT | WS_CLIPSIBLINGS, id, text, x, y, w, h);
    if (!c) return nullptr;
    static HFONT underlined = nullptr;
    if (!underlined) {
        LOGFONTA lf;
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
        lf.lfUnderline = TRUE;
        underlined = CreateFontIndirectA(&lf);
    }
    if (underlined) SendMessageA(c, WM_SETFONT, (WPARAM)underlined, FALSE);
    SetPropA(c, kPropLink, (HANDLE)1);
    SetPropA(c, kPropOldProc, (HANDLE)GetWindowLongPtrA(c, GWLP_WNDPROC));
    SetWindowLongPtrA(c, GWLP_WNDPROC, (LONG_PTR)link_proc);
    return c;
}

void control_set_font(PlatformWindow c, PlatformFont font) {
    if (c && font) SendMessageA((HWND)c, WM_SETFONT, (WPARAM)font, TRUE);
}

void control_set_white_background(PlatformWindow c) {
    if (!c) return;
    SetPropA((HWND)c, kPropWhite, (HANDLE)1);
    char cls[32] = "";
    GetClassNameA((HWND)c, cls, sizeof cls);
    if (!lstrcmpiA(cls, WC_TREEVIEWA)) SendMessageA((HWND)c, TVM_SETBKCOLOR, 0, (LPARAM)RGB(255, 255, 255));
    InvalidateRect((HWND)c, nullptr, TRUE);
}

void control_enable(PlatformWindow c, bool enabled) {
    if (c) EnableWindow((HWND)c, enabled ? TRUE : FALSE);
}

bool control_enabled(PlatformWindow c) {
    return c && IsWindowEnabled((HWND)c);
}

void control_set_visible(PlatformWindow c, bool visible) {
    if (c) ShowWindow((HWND)c, visible ? SW_SHOW : SW_HIDE);
}

bool control_visible(PlatformWindow c) {
    return c && IsWindowVisible((HWND)c);
}

void control_set_text(PlatformWindow c, const std::string& text) {
    if (c) SetWindowTextA((HWND)c, text.c_str());
}

std::string control_text(PlatformWindow c) {
    if (!c) return std::string();
    int n = GetWindowTextLengthA((HWND)c);
    if (n <= 0) return std::string();
    std::string s((size_t)n + 1, '\0');
    n = GetWindowTextA((HWND)c, &s[0], n + 1);
    s.resize(n > 0 ? (size_t)n : 0);
    return s;
}

void control_focus(PlatformWindow c) {
    if (c) SetFocus((HWND)c);
}

bool check_box_ticked(PlatformWindow c) {
    return c && SendMessageA((HWND)c, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void check_box_set(PlatformWindow c, bool ticked) {
    if (c) SendMessageA((HWND)c, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void list_box_add(PlatformWindow c, const std::string& text) {
    if (c) SendMessageA((HWND)c, LB_ADDSTRING, 0, (LPARAM)text.c_str());
}

int list_box_selected(PlatformWindow c) {
    if (!c) return -1;
    LRESULT i = SendMessageA((HWND)c, LB_GETCURSEL, 0, 0);
    return i == LB_ERR ? -1 : (int)i;
}

std::string list_box_item(PlatformWindow c, int index) {
    if (!c) return std::string();
    LRESULT n = SendMessageA((HWND)c, LB_GETTEXTLEN, (WPARAM)index, 0);
    if (n == LB_ERR || n <= 0) return std::string();
    std::string s((size_t)n + 1, '\0');
    n = SendMessageA((HWND)c, LB_GETTEXT, (WPARAM)index, (LPARAM)&s[0]);
    s.resize(n > 0 ? (size_t)n : 0);
    return s;
}

static HTREEITEM tree_item_at(HWND tree, int position) {
    HTREEITEM item = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    while (item && position-- > 0) item = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)item);
    return item;
}

int tree_add_ticked(PlatformWindow c, const std::string& text) {
    if (!c) return -1;
    TVINSERTSTRUCTA ins = {};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT;
    ins.item.pszText = (LPSTR)text.c_str();
    HTREEITEM item = (HTREEITEM)SendMessageA((HWND)c, TVM_INSERTITEMA, 0, (LPARAM)&ins);
    if (!item) return -1;
    TVITEMA t = {};
    t.mask = TVIF_STATE;
    t.hItem = item;
    t.state = INDEXTOSTATEIMAGEMASK(2);
    t.stateMask = TVIS_STATEIMAGEMASK;
    SendMessageA((HWND)c, TVM_SETITEMA, 0, (LPARAM)&t);
    int position = 0;
    for (HTREEITEM i = (HTREEITEM)SendMessageA((HWND)c, TVM_GETNEXTITEM, TVGN_ROOT, 0); i && i != item;
         i = (HTREEITEM)SendMessageA((HWND)c, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)i))
        ++position;
    return position;
}

bool tree_item_ticked(PlatformWindow c, int position) {
    if (!c) return false;
    HTREEITEM item = tree_item_at((HWND)c, position);
    if (!item) return false;
    UINT state = (UINT)SendMessageA((HWND)c, TVM_GETITEMSTATE, (WPARAM)item, TVIS_STATEIMAGEMASK);
    return (state & TVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

void window_set_close_item(PlatformWindow w, int state) {
    if (!w || (state != 0 && state != 1)) return;
    HMENU menu = GetSystemMenu((HWND)w, FALSE);
    if (menu) EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | (state ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar((HWND)w);
}

void window_set_maximize_box(PlatformWindow w, int state) {
    if (!w || (state != 0 && state != 1)) return;
    LONG_PTR style = GetWindowLongPtrA((HWND)w, GWL_STYLE);
    if (!style) return;
    style = state ? (style | WS_MAXIMIZEBOX) : (style & ~(LONG_PTR)WS_MAXIMIZEBOX);
    SetWindowLongPtrA((HWND)w, GWL_STYLE, style);
    SetWindowPos((HWND)w, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

void window_show_maximized(PlatformWindow w) {
    if (!w) return;
    ShowWindow((HWND)w, SW_SHOWMAXIMIZED);
    UpdateWindow((HWND)w);
}

bool element_event_wait(PlatformWindow top, ElementEvent* e) {
    for (;;) {
        if (!g_events.empty()) {
            *e = g_events.front();
            g_events.erase(g_events.begin());
            return true;
        }
        MSG m;
        if (GetMessageA(&m, nullptr, 0, 0) <= 0) return false;
        // Tab and the arrow keys move between elements; Escape is left to
        // the focused element rather than read as a press of element 2.
        bool escape = (m.message == WM_KEYDOWN || m.message == WM_CHAR) && m.wParam == VK_ESCAPE;
        if (top && !escape && IsDialogMessageA((HWND)top, &m)) continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

// UI driver for end-to-end tests: finds windows of another process by
// title, addresses their elements by id, reads and presses them, answers
// message boxes and saves screenshots.
//
//   uidriver CMD ARGS [ -- CMD ARGS ]...
//
// Commands (TITLE is a top-level window title, exact; ID an element id;
// timeouts in seconds, default 60):
//   wait TITLE [T]              wait until a visible window has the title
//   gone TITLE [T]              wait until no window has the title
//   text TITLE ID               print the element's text
//   waittext TITLE ID TEXT [T]  wait until the element's text equals TEXT
//   state TITLE ID              print enabled, visible, checked, pos, sel
//   waitstate TITLE ID TEXT [T] wait until the state line contains TEXT
//   click TITLE ID              press a button (posted, never blocks)
//   check TITLE ID 0|1          set a check box and notify its parent
//   select TITLE ID TEXT        pick a combo box item by its text
//   combo TITLE ID              print the combo box items, one per line
//   msgbox TITLE BUTTON [T]     wait for a message box with the title,
//                               print its text, press ok|yes|no|cancel
//   nomsgbox TITLE              fail if a message box with the title shows
//   shot TITLE FILE.bmp [CLASS] save the window as a 24-bit BMP (the
//                               window of that class when titles repeat)
//   settext TITLE ID TEXT       set the element's text
//   key TITLE ID return|escape  press a key on the element (posted)
//   v6 TITLE ID                 print 1 when the button is a control of
//                               the common controls version 6 (it answers
//                               BCM_GETIDEALSIZE), else 0
//   window TITLE [CLASS]        print the top-level window's enabled,
//                               visible and maximized state, whether it has
//                               a maximize box, and its owner's class
//   list TITLE                  print every descendant: id class text
//   windows                     print every visible top-level window
//   items TITLE ID              print the items of a list box or combo box,
//                               or of a tree as "checked<TAB>text"
//   pick TITLE ID N             select item N of a list box or combo box
//                               and notify its parent
//   tick TITLE ID N 0|1         set the check box of tree item N
//   sleepms N                   pause (for pacing only, never as a wait)
// Exit code 0 when every command succeeded, 1 at the first failure.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

static bool g_visible_only = true;

struct FindTop {
    const char* title;
    const char* cls;  // null = any class
    HWND found;
};

static BOOL CALLBACK find_top_proc(HWND h, LPARAM lp) {
    FindTop* f = (FindTop*)lp;
    char t[512];
    GetWindowTextA(h, t, sizeof t);
    if (strcmp(t, f->title) != 0) return TRUE;
    if (g_visible_only && !IsWindowVisible(h)) return TRUE;
    if (f->cls) {
        char c[64];
        GetClassNameA(h, c, sizeof c);
        if (strcmp(c, f->cls) != 0) return TRUE;
    }
    f->found = h;
    return FALSE;
}

static HWND find_top(const char* title, const char* cls = nullptr) {
    FindTop f = {title, cls, nullptr};
    EnumWindows(find_top_proc, (LPARAM)&f);
    return f.found;
}

static HWND wait_top(const char* title, double seconds, const char* cls = nullptr) {
    DWORD end = GetTickCount() + (DWORD)(seconds * 1000);
    for (;;) {
        HWND h = find_top(title, cls);
        if (h) return h;
        if ((int)(GetTickCount() - end) > 0) return nullptr;
        Sleep(50);
    }
}

struct FindChild {
    int id;
    HWND found;
};

static BOOL CALLBACK find_child_proc(HWND h, LPARAM lp) {
    FindChild* f = (FindChild*)lp;
    if (GetDlgCtrlID(h) == f->id) {
        f->found = h;
        return FALSE;
    }
    return TRUE;
}

static HWND element(HWND top, int id) {
    FindChild f = {id, nullptr};
    EnumChildWindows(top, find_child_proc, (LPARAM)&f);
    return f.found;
}

static std::string text_of(HWND h) {
    char buf[8192];
    buf[0] = 0;
    SendMessageTimeoutA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf, SMTO_ABORTIFHUNG, 5000, nullptr);
    return buf;
}

static bool fail(const char* fmt, const char* a = "", const char* b = "") {
    fprintf(stderr, "uidriver: ");
    fprintf(stderr, fmt, a, b);
    fprintf(stderr, "\n");
    return false;
}

static BOOL CALLBACK collect_titled(HWND h, LPARAM lp) {
    ((std::vector<HWND>*)lp)->push_back(h);
    return TRUE;
}

static HWND need_element(const char* title, const char* id_text, HWND* top_out = nullptr) {
    HWND top = wait_top(title, 60);
    if (!top) {
        fail("no window titled \"%s\"", title);
        return nullptr;
    }
    HWND h = element(top, atoi(id_text));
    if (!h) {
        // Several windows may share the title (the wizard and the window
        // behind it): take the first one that has the element.
        std::vector<HWND> all;
        EnumWindows(collect_titled, (LPARAM)&all);
        for (HWND w : all) {
            char t[512];
            GetWindowTextA(w, t, sizeof t);
            if (strcmp(t, title) != 0 || !IsWindowVisible(w)) continue;
            if ((h = element(w, atoi(id_text))) != nullptr) {
                top = w;
                break;
            }
        }
    }
    if (!h) fail("window \"%s\" has no element %s", title, id_text);
    if (top_out) *top_out = top;
    return h;
}

static bool save_bmp(HWND h, const char* file) {
    RECT r, screen_rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    GetWindowRect(h, &r);
    // A maximized window's frame lies partly off the screen, and a copy
    // that reaches outside the screen fails as a whole.
    IntersectRect(&r, &r, &screen_rect);
    int w = r.right - r.left, ht = r.bottom - r.top;
    if (w <= 0 || ht <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = ht;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    // Copy from the screen: what the user sees, children and owned
    // drawing included. The window is brought to the front first.
    SetForegroundWindow(h);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    BitBlt(mem, 0, 0, w, ht, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    int stride = ((w * 3) + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + stride * ht;
    FILE* f = fopen(file, "wb");
    bool ok = f != nullptr;
    if (f) {
        fwrite(&fh, sizeof fh, 1, f);
        fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        fwrite(bits, stride, ht, f);
        fclose(f);
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

static BOOL CALLBACK list_proc(HWND h, LPARAM) {
    char c[64];
    GetClassNameA(h, c, sizeof c);
    printf("%d\t%s\t%s\t%s\n", GetDlgCtrlID(h), c, IsWindowVisible(h) ? "visible" : "hidden", text_of(h).c_str());
    return TRUE;
}

static BOOL CALLBACK windows_proc(HWND h, LPARAM) {
    if (!IsWindowVisible(h)) return TRUE;
    char c[64], t[512];
    GetClassNameA(h, c, sizeof c);
    GetWindowTextA(h, t, sizeof t);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    printf("%lu\t%s\t%s\n", (unsigned long)pid, c, t);
    return TRUE;
}

static int press_id(const char* button) {
    if (!_stricmp(button, "ok")) return IDOK;
    if (!_stricmp(button, "yes")) return IDYES;
    if (!_stricmp(button, "no")) return IDNO;
    if (!_stricmp(button, "cancel")) return IDCANCEL;
    return 0;
}

// Tree items live in the other process: their structures and texts are
// read and written through memory allocated there.
struct Remote {
    HANDLE process;
    char* base;
};

static bool remote_open(HWND h, Remote* r, size_t size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    r->process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!r->process) return false;
    r->base = (char*)VirtualAllocEx(r->process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    return r->base != nullptr;
}

static void remote_close(Remote* r) {
    if (r->base) VirtualFreeEx(r->process, r->base, 0, MEM_RELEASE);
    if (r->process) CloseHandle(r->process);
}

static HTREEITEM tree_item(HWND tree, int n) {
    DWORD_PTR item = 0;
    SendMessageTimeoutA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0, SMTO_ABORTIFHUNG, 5000, &item);
    while (item && n-- > 0)
        SendMessageTimeoutA(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)item, SMTO_ABORTIFHUNG, 5000, &item);
    return (HTREEITEM)item;
}

static void tree_print(HWND tree) {
    Remote r = {};
    if (!remote_open(tree, &r, 4096)) {
        remote_close(&r);
        return;
    }
    for (int n = 0;; ++n) {
        HTREEITEM item = tree_item(tree, n);
        if (!item) break;
        TVITEMA t = {};
        t.mask = TVIF_TEXT | TVIF_STATE;
        t.hItem = item;
        t.stateMask = TVIS_STATEIMAGEMASK;
        t.pszText = r.base + 1024;
        t.cchTextMax = 2048;
        WriteProcessMemory(r.process, r.base, &t, sizeof t, nullptr);
        SendMessageTimeoutA(tree, TVM_GETITEMA, 0, (LPARAM)r.base, SMTO_ABORTIFHUNG, 5000, nullptr);
        char text[2048] = "";
        ReadProcessMemory(r.process, r.base, &t, sizeof t, nullptr);
        ReadProcessMemory(r.process, r.base + 1024, text, sizeof text - 1, nullptr);
        printf("%d\t%s\n", ((t.state & TVIS_STATEIMAGEMASK) >> 12) == 2 ? 1 : 0, text);
    }
    remote_close(&r);
}

static bool tree_tick(HWND tree, int n, bool ticked) {
    HTREEITEM item = tree_item(tree, n);
    if (!item) return false;
    Remote r = {};
    bool ok = remote_open(tree, &r, 1024);
    if (ok) {
        TVITEMA t = {};
        t.mask = TVIF_STATE;
        t.hItem = item;
        t.stateMask = TVIS_STATEIMAGEMASK;
        t.state = INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1);
        WriteProcessMemory(r.process, r.base, &t, sizeof t, nullptr);
        DWORD_PTR res = 0;
        SendMessageTimeoutA(tree, TVM_SETITEMA, 0, (LPARAM)r.base, SMTO_ABORTIFHUNG, 5000, &res);
        ok = res != 0;
    }
    remote_close(&r);
    return ok;
}

static bool class_is(HWND h, const char* name) {
    char c[64];
    GetClassNameA(h, c, sizeof c);
    return !_stricmp(c, name);
}

static std::string state_line(HWND h) {
    char c[64];
    GetClassNameA(h, c, sizeof c);
    DWORD_PTR checked = 0, pos = 0, sel = 0;
    SendMessageTimeoutA(h, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &checked);
    if (!_stricmp(c, PROGRESS_CLASSA)) SendMessageTimeoutA(h, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000, &pos);
    if (!_stricmp(c, "ComboBox")) SendMessageTimeoutA(h, CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &sel);
    if (!_stricmp(c, "ListBox")) SendMessageTimeoutA(h, LB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &sel);
    char line[128];
    snprintf(line, sizeof line, "enabled=%d visible=%d checked=%d pos=%d sel=%d", IsWindowEnabled(h) ? 1 : 0,
             IsWindowVisible(h) ? 1 : 0, (int)checked, (int)pos, (int)sel);
    return line;
}

static bool run(const std::vector<const char*>& a) {
    if (a.empty()) return fail("empty command");
    std::string cmd = a[0];
    auto arg = [&](size_t i) { return i < a.size() ? a[i] : ""; };
    auto timeout = [&](size_t i) { return i < a.size() ? atof(a[i]) : 60.0; };
    if (cmd == "wait") {
        return wait_top(arg(1), timeout(2)) ? true : fail("timed out waiting for \"%s\"", arg(1));
    }
    if (cmd == "gone") {
        DWORD end = GetTickCount() + (DWORD)(timeout(2) * 1000);
        g_visible_only = false;
        while (find_top(arg(1))) {
            if ((int)(GetTickCount() - end) > 0) return fail("\"%s\" is still there", arg(1));
            Sleep(50);
        }
        g_visible_only = true;
        return true;
    }
    if (cmd == "text") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        printf("%s\n", text_of(h).c_str());
        return true;
    }
    if (cmd == "waittext") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        DWORD end = GetTickCount() + (DWORD)(timeout(4) * 1000);
        while (text_of(h) != arg(3)) {
            if ((int)(GetTickCount() - end) > 0) return fail("element text stayed \"%s\"", text_of(h).c_str());
            Sleep(50);
        }
        return true;
    }
    if (cmd == "state" || cmd == "waitstate") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        if (cmd == "waitstate") {
            DWORD end = GetTickCount() + (DWORD)(timeout(4) * 1000);
            std::string line;
            while ((line = state_line(h)).find(arg(3)) == std::string::npos) {
                if ((int)(GetTickCount() - end) > 0) return fail("element state stayed %s", line.c_str());
                Sleep(50);
            }
            return true;
        }
        printf("%s\n", state_line(h).c_str());
        return true;
    }
    if (cmd == "click") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        PostMessageA(h, BM_CLICK, 0, 0);
        return true;
    }
    if (cmd == "check") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        DWORD_PTR now = 0;
        SendMessageTimeoutA(h, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &now);
        if ((int)now != atoi(arg(3))) PostMessageA(h, BM_CLICK, 0, 0);
        return true;
    }
    if (cmd == "select") {
        HWND top = nullptr;
        HWND h = need_element(arg(1), arg(2), &top);
        if (!h) return false;
        DWORD_PTR idx = (DWORD_PTR)CB_ERR;
        SendMessageTimeoutA(h, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)arg(3), SMTO_ABORTIFHUNG, 5000, &idx);
        if ((int)idx == CB_ERR) return fail("no item \"%s\" in the combo box", arg(3));
        SendMessageTimeoutA(h, CB_SETCURSEL, idx, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        PostMessageA(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), CBN_SELCHANGE), (LPARAM)h);
        return true;
    }
    if (cmd == "combo") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        DWORD_PTR n = 0;
        SendMessageTimeoutA(h, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &n);
        for (int i = 0; i < (int)n; ++i) {
            // The wide form crosses process boundaries intact under Wine;
            // the ANSI form arrives cut to one character.
            WCHAR wbuf[1024] = L"";
            char buf[2048] = "";
            LRESULT len = SendMessageW(h, CB_GETLBTEXTLEN, i, 0);
            if (len >= 0 && len < 1024) SendMessageW(h, CB_GETLBTEXT, i, (LPARAM)wbuf);
            WideCharToMultiByte(CP_ACP, 0, wbuf, -1, buf, sizeof buf, nullptr, nullptr);
            printf("%s\n", buf);
        }
        return true;
    }
    if (cmd == "msgbox") {
        HWND box = wait_top(arg(1), timeout(3), "#32770");
        if (!box) return fail("timed out waiting for a message box titled \"%s\"", arg(1));
        HWND t = element(box, 0xFFFF);
        printf("%s\n", t ? text_of(t).c_str() : "");
        int id = press_id(arg(2));
        HWND b = id ? element(box, id) : nullptr;
        if (!b) return fail("message box \"%s\" has no button %s", arg(1), arg(2));
        PostMessageA(b, BM_CLICK, 0, 0);
        return true;
    }
    if (cmd == "nomsgbox") {
        return find_top(arg(1), "#32770") ? fail("a message box \"%s\" is open", arg(1)) : true;
    }
    if (cmd == "shot") {
        HWND top = wait_top(arg(1), 60, a.size() > 3 ? arg(3) : nullptr);
        if (!top) return fail("no window titled \"%s\"", arg(1));
        return save_bmp(top, arg(2)) ? true : fail("cannot write %s", arg(2));
    }
    if (cmd == "window") {
        HWND top = wait_top(arg(1), 60, a.size() > 2 ? arg(2) : nullptr);
        if (!top) return fail("no window titled \"%s\"", arg(1));
        char owner[64] = "";
        HWND o = GetWindow(top, GW_OWNER);
        if (o) GetClassNameA(o, owner, sizeof owner);
        printf("enabled=%d visible=%d maximized=%d maxbox=%d owner=%s\n", IsWindowEnabled(top) ? 1 : 0,
               IsWindowVisible(top) ? 1 : 0, IsZoomed(top) ? 1 : 0,
               (GetWindowLongA(top, GWL_STYLE) & WS_MAXIMIZEBOX) ? 1 : 0, owner);
        return true;
    }
    if (cmd == "v6") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        Remote r = {};
        DWORD_PTR ok = 0;
        if (remote_open(h, &r, 64)) {
            SIZE zero = {0, 0};
            WriteProcessMemory(r.process, r.base, &zero, sizeof zero, nullptr);
            SendMessageTimeoutA(h, BCM_GETIDEALSIZE, 0, (LPARAM)r.base, SMTO_ABORTIFHUNG, 5000, &ok);
        }
        remote_close(&r);
        printf("%d\n", ok ? 1 : 0);
        return true;
    }
    if (cmd == "key") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        WPARAM vk = !_stricmp(arg(3), "return") ? VK_RETURN : !_stricmp(arg(3), "escape") ? VK_ESCAPE : 0;
        if (!vk) return fail("unknown key %s", arg(3));
        PostMessageA(h, WM_KEYDOWN, vk, 1);
        PostMessageA(h, WM_KEYUP, vk, 0xC0000001);
        return true;
    }
    if (cmd == "settext") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        SendMessageTimeoutA(h, WM_SETTEXT, 0, (LPARAM)arg(3), SMTO_ABORTIFHUNG, 5000, nullptr);
        return true;
    }
    if (cmd == "list") {
        HWND top = wait_top(arg(1), 60);
        if (!top) return fail("no window titled \"%s\"", arg(1));
        EnumChildWindows(top, list_proc, 0);
        return true;
    }
    if (cmd == "items") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        if (class_is(h, WC_TREEVIEWA)) {
            tree_print(h);
            return true;
        }
        bool list = class_is(h, "ListBox");
        DWORD_PTR n = 0;
        SendMessageTimeoutA(h, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &n);
        for (int i = 0; i < (int)n; ++i) {
            WCHAR wbuf[1024] = L"";
            char buf[2048] = "";
            LRESULT len = SendMessageW(h, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0);
            if (len >= 0 && len < 1024) SendMessageW(h, list ? LB_GETTEXT : CB_GETLBTEXT, i, (LPARAM)wbuf);
            WideCharToMultiByte(CP_ACP, 0, wbuf, -1, buf, sizeof buf, nullptr, nullptr);
            printf("%s\n", buf);
        }
        return true;
    }
    if (cmd == "pick") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        bool list = class_is(h, "ListBox");
        DWORD_PTR res = 0;
        SendMessageTimeoutA(h, list ? LB_SETCURSEL : CB_SETCURSEL, atoi(arg(3)), 0, SMTO_ABORTIFHUNG, 5000, &res);
        if ((int)res == -1) return fail("no item %s", arg(3));
        PostMessageA(GetParent(h), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(h), list ? LBN_SELCHANGE : CBN_SELCHANGE), (LPARAM)h);
        return true;
    }
    if (cmd == "tick") {
        HWND h = need_element(arg(1), arg(2));
        if (!h) return false;
        return tree_tick(h, atoi(arg(3)), atoi(arg(4)) != 0) ? true : fail("cannot set tree item %s", arg(3));
    }
    if (cmd == "windows") {
        EnumWindows(windows_proc, 0);
        return true;
    }
    if (cmd == "sleepms") {
        Sleep(atoi(arg(1)));
        return true;
    }
    return fail("unknown command %s", cmd.c_str());
}

int main(int argc, char** argv) {
    std::vector<const char*> cmd;
    for (int i = 1; i <= argc; ++i) {
        if (i == argc || !strcmp(argv[i], "--")) {
            if (!cmd.empty() && !run(cmd)) return 1;
            cmd.clear();
        } else {
            cmd.push_back(argv[i]);
        }
    }
    fflush(stdout);
    return 0;
}

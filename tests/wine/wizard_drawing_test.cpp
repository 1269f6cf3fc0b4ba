// The wizard's drawing and window operations on a real Windows build:
// gradient pixels, text on bitmaps, the size text under the x87 unit, the
// system-menu and frame operations, the check tree and the folder walk.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "platform/drawing.h"
#include "platform/folder_walk.h"
#include "platform/wizard_controls.h"
#include "startup/package_files.h"
#include "wizard/background_window.h"
#include "wizard/gradient.h"
#include "wizard/size_text.h"

TEST(WizardDrawing, GradientPixelsFollowTheStepsInBothDirections) {
    PlatformBitmap rows = gradient_image(3, 256, 0x000000, 0xFFFFFF, 1);
    ASSERT_TRUE(rows);
    std::vector<Rgb> steps = gradient_steps({0, 0, 0}, {255, 255, 255}, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 3; ++x) ASSERT_EQ(rgb_value(steps[y]), bitmap_pixel(rows, x, y)) << x << "," << y;
    EXPECT_EQ(0x808080u, bitmap_pixel(rows, 1, 128));

    // Left to right, red to blue: column 0 is colour 1 in every row.
    PlatformBitmap cols = gradient_image(100, 5, 0x0000FF, 0xFF0000, 0);
    ASSERT_TRUE(cols);
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(0x0000FFu, bitmap_pixel(cols, 0, y));
        EXPECT_EQ(bitmap_pixel(cols, 50, 0), bitmap_pixel(cols, 50, y));
    }
    EXPECT_NE(bitmap_pixel(cols, 0, 0), bitmap_pixel(cols, 99, 0));

    PlatformBitmap plain = gradient_image(20, 20, 0x123456, 0x123456, 1);
    EXPECT_EQ(0x123456u, bitmap_pixel(plain, 19, 19));
    EXPECT_EQ(nullptr, gradient_image(0, 10, 0, 0, 1));
}

TEST(WizardDrawing, TextIsDrawnTransparentlyOnACopy) {
    PlatformBitmap white = bitmap_filled(200, 60, 0xFFFFFF);
    PlatformBitmap copy = bitmap_copy(white);
    ASSERT_TRUE(copy);
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    ASSERT_TRUE(bitmap_draw_text(copy, 10, 11, "License Agreement", font, 0x0000FF));
    int red = 0, other = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            uint32_t c = bitmap_pixel(copy, x, y);
            if (c == 0x0000FF) ++red;
            else if (c != 0xFFFFFF) ++other;
            if (c != 0xFFFFFF) {
                EXPECT_GE(x, 10);
                EXPECT_GE(y, 11);
            }
        }
    EXPECT_GT(red, 30);
    // The original stays white.
    EXPECT_EQ(0xFFFFFFu, bitmap_pixel(white, 15, 20));
    int w = 0, h = 0;
    bitmap_size(copy, &w, &h);
    EXPECT_EQ(200, w);
    EXPECT_EQ(60, h);

    EXPECT_EQ(0, text_width(""));
    EXPECT_LT(text_width("http://a"), text_width("http://a.example.com"));
}

TEST(WizardDrawing, SizeTextAndStepsUnderThe32BitBuild) {
    EXPECT_EQ("1024.0 MB", size_text(1073741824LL, 1));
    EXPECT_EQ("899.7 KB", size_text(921293, 1));
    EXPECT_EQ("1.0 MB", size_text(1048576, 1));
    EXPECT_EQ(128, gradient_steps({0, 0, 0}, {255, 255, 255}, 256)[128].r);
    EXPECT_EQ(254, gradient_steps({0, 0, 0}, {255, 255, 255}, 256)[255].r);
}

TEST(WizardWindowOps, CloseItemMaximizeBoxAndCheckTree) {
    PlatformWindow w = wizard_window_create("wizard ops test", 300, 200, nullptr);
    ASSERT_TRUE(w);
    HMENU menu = GetSystemMenu((HWND)w, FALSE);
    ASSERT_TRUE(menu);
    window_set_close_item(w, 0);
    EXPECT_TRUE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    window_set_close_item(w, 7);  // other states change nothing
    EXPECT_TRUE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    window_set_close_item(w, 1);
    EXPECT_FALSE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);

    EXPECT_FALSE(GetWindowLongA((HWND)w, GWL_STYLE) & WS_MAXIMIZEBOX);
    window_set_maximize_box(w, 1);
    EXPECT_TRUE(GetWindowLongA((HWND)w, GWL_STYLE) & WS_MAXIMIZEBOX);
    window_set_maximize_box(w, 2);
    EXPECT_TRUE(GetWindowLongA((HWND)w, GWL_STYLE) & WS_MAXIMIZEBOX);
    window_set_maximize_box(w, 0);
    EXPECT_FALSE(GetWindowLongA((HWND)w, GWL_STYLE) & WS_MAXIMIZEBOX);
    window_set_maximize_box(nullptr, 1);

    PlatformWindow page = control_page(w, 300, 0, 0, 300, 200);
    PlatformWindow tree = control_check_tree(page, 303, 0, 0, 200, 100);
    ASSERT_TRUE(tree);
    EXPECT_EQ(0, tree_add_ticked(tree, "Run it"));
    EXPECT_EQ(1, tree_add_ticked(tree, "Restart computer (recommended)"));
    EXPECT_TRUE(tree_item_ticked(tree, 0));
    EXPECT_TRUE(tree_item_ticked(tree, 1));
    EXPECT_FALSE(tree_item_ticked(tree, 2));
    TVITEMA t = {};
    t.mask = TVIF_STATE;
    t.hItem = (HTREEITEM)SendMessageA((HWND)tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    t.state = INDEXTOSTATEIMAGEMASK(1);
    t.stateMask = TVIS_STATEIMAGEMASK;
    SendMessageA((HWND)tree, TVM_SETITEMA, 0, (LPARAM)&t);
    EXPECT_FALSE(tree_item_ticked(tree, 0));
    EXPECT_TRUE(tree_item_ticked(tree, 1));

    // A click inside a page reaches the wizard's event queue.
    PlatformWindow box = control_check_box(page, 52, "agree", 0, 150, 100, 15);
    PostMessageA((HWND)box, BM_CLICK, 0, 0);
    ElementEvent e = {-1, -1};
    ASSERT_TRUE(element_event_wait(w, &e));
    EXPECT_EQ(52, e.id);
    EXPECT_EQ(kEventClicked, e.code);
    EXPECT_TRUE(check_box_ticked(box));
    DestroyWindow((HWND)w);
}

TEST(WizardWindowOps, RichTextTakesLongTextsWhole) {
    PlatformWindow w = wizard_window_create("rich text test", 300, 200, nullptr);
    PlatformWindow page = control_page(w, 50, 0, 0, 300, 200);
    PlatformWindow rich = control_rich_text(page, 53, 0, 0, 200, 100);
    ASSERT_TRUE(rich);
    std::string text;
    while (text.size() < 60000) text += "A licence line of some length, repeated many times.\r\n";
    control_set_text(rich, text);
    // Far beyond the 32,767 characters a rich edit takes by default (line
    // ends may count as one character each).
    EXPECT_GE((size_t)GetWindowTextLengthA((HWND)rich), text.size() - text.size() / 50);
    EXPECT_TRUE(GetWindowLongA((HWND)rich, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_FALSE(GetWindowLongA((HWND)rich, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    DestroyWindow((HWND)w);
}

TEST(WizardFolderWalk, SizesAtAnyDepthAndListingFailures) {
    std::string dir = working_folder_create();
    ASSERT_FALSE(dir.empty());
    CreateDirectoryA((dir + "v2.0.50727").c_str(), nullptr);
    CreateDirectoryA((dir + "v2.0.50727\\deep").c_str(), nullptr);
    CreateDirectoryA((dir + "v2.0.50727\\deep\\deeper").c_str(), nullptr);
    auto write = [](const std::string& path, size_t n) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        std::string bytes(n, 'x');
        DWORD done = 0;
        WriteFile(h, bytes.data(), (DWORD)n, &done, nullptr);
        CloseHandle(h);
    };
    write(dir + "v2.0.50727\\a.dll", 1000);
    write(dir + "v2.0.50727\\deep\\b.dll", 2000);
    write(dir + "v2.0.50727\\deep\\deeper\\c.dll", 3000);
    write(dir + "top.txt", 5);
    EXPECT_EQ(6000u, folder_size_sum(dir + "v2.0.50727\\"));
    EXPECT_EQ(6005u, folder_size_sum(dir));
    EXPECT_EQ(0u, folder_size_sum(dir + "missing\\"));

    std::vector<FolderEntry> entries;
    ASSERT_TRUE(folder_entries(dir, &entries));
    ASSERT_EQ(2u, entries.size());
    int folders = 0;
    for (const FolderEntry& e : entries) folders += e.is_folder ? 1 : 0;
    EXPECT_EQ(1, folders);
    EXPECT_FALSE(folder_entries(dir + "missing\\", &entries));
    EXPECT_TRUE(entries.empty());
    folder_delete_tree(dir);
}

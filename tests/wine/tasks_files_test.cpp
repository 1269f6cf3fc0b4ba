// File and folder tasks against the real file system: deletion modes over
// a tree with a read-only file, last-level folder creation, copy over and
// move onto existing files.
#include <gtest/gtest.h>

#include "tasks/file_tasks.h"
#include "tests/wine/tasks_support.h"

using namespace tasks_test;

namespace {

class FileTasks : public testing::Test {
protected:
    std::string dir = scratch_folder("pwfiles");
    void TearDown() override {
        folder_delete_tree(dir);
        EXPECT_FALSE(path_exists(dir));
    }
    // dir\T\ holding a.txt, ro.txt (read-only), Sub\b.txt and Sub\Deep\.
    std::string make_tree() {
        std::string t = dir + "T\\";
        CreateDirectoryA(t.c_str(), nullptr);
        CreateDirectoryA((t + "Sub").c_str(), nullptr);
        CreateDirectoryA((t + "Sub\\Deep").c_str(), nullptr);
        file_write_all(t + "a.txt", "a");
        file_write_all(t + "ro.txt", "r");
        SetFileAttributesA((t + "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        file_write_all(t + "Sub\\b.txt", "b");
        return t;
    }
};

TEST_F(FileTasks, DeleteFolderModes) {
    std::string t = make_tree();
    // Mode 0: files of the folder only; the read-only file, the sub-folder
    // and therefore the folder stay.
    EXPECT_EQ(0, delete_folder(t, "", 0));
    EXPECT_FALSE(path_exists(t + "a.txt"));
    EXPECT_TRUE(path_exists(t + "ro.txt"));
    EXPECT_TRUE(path_exists(t + "Sub\\b.txt"));

    // Mode 1: recursive, but the read-only file keeps its folder.
    file_write_all(t + "a.txt", "a");
    EXPECT_EQ(0, delete_folder(t, "", kFolderRecursive));
    EXPECT_FALSE(path_exists(t + "Sub"));
    EXPECT_FALSE(path_exists(t + "a.txt"));
    EXPECT_TRUE(path_exists(t + "ro.txt"));

    // Mode 3: the whole tree goes, also without a trailing "\".
    t = make_tree();
    EXPECT_NE(0, delete_folder(dir + "T", "", kFolderRecursive | kFolderForce));
    EXPECT_FALSE(path_exists(dir + "T"));

    // A missing folder: nothing to do, nothing removed.
    EXPECT_EQ(0, delete_folder(dir + "Missing\\", "", 3));
    EXPECT_EQ(0, delete_folder("", "", 3));
    EXPECT_TRUE(folder_exists(dir));
}

TEST_F(FileTasks, DeleteFolderRefusesAPathThatWouldBeCut) {
    // A path past the Windows limit must not be cut down to a shorter
    // name, which could be another folder.
    std::string victim = dir + "V\\";
    CreateDirectoryA(victim.c_str(), nullptr);
    file_write_all(victim + "keep.txt", "k");
    std::string longer = victim;
    while (longer.size() < 300) longer += "x";
    EXPECT_EQ(0, delete_folder(longer + "\\", "", 3));
    EXPECT_EQ(0, create_folder(longer + "\\"));
    EXPECT_TRUE(path_exists(victim + "keep.txt"));
}

TEST_F(FileTasks, CreateFolderLastLevelOnly) {
    EXPECT_NE(0, create_folder(dir + "New\\ /\\"));
    EXPECT_TRUE(folder_exists(dir + "New"));
    // Existing folder and missing parent both fail.
    EXPECT_EQ(0, create_folder(dir + "New\\"));
    EXPECT_EQ(0, create_folder(dir + "Missing\\Child\\"));
    EXPECT_FALSE(path_exists(dir + "Missing"));
}

TEST_F(FileTasks, CopyOverwritesMoveNeverDoes) {
    file_write_all(dir + "src.txt", "new content");
    file_write_all(dir + "dst.txt", "old");
    EXPECT_NE(0, copy_file(dir + "src.txt", dir + "dst.txt"));
    EXPECT_EQ("new content", file_text(dir + "dst.txt"));
    EXPECT_EQ(0, copy_file(dir + "none.txt", dir + "dst2.txt"));
    EXPECT_FALSE(path_exists(dir + "dst2.txt"));

    file_write_all(dir + "dst.txt", "old");
    EXPECT_EQ(0, move_file(dir + "src.txt", dir + "dst.txt"));
    EXPECT_EQ("new content", file_text(dir + "src.txt"));
    EXPECT_EQ("old", file_text(dir + "dst.txt"));
    EXPECT_NE(0, move_file(dir + "src.txt", dir + "moved.txt"));
    EXPECT_FALSE(path_exists(dir + "src.txt"));
    EXPECT_EQ("new content", file_text(dir + "moved.txt"));

    // A read-only file is not deleted.
    SetFileAttributesA((dir + "moved.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(0, delete_file(dir + "moved.txt"));
    EXPECT_TRUE(path_exists(dir + "moved.txt"));
    SetFileAttributesA((dir + "moved.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_NE(0, delete_file(dir + "moved.txt"));
    EXPECT_FALSE(path_exists(dir + "moved.txt"));
}

}  // namespace

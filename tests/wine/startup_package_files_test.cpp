// The preparation's services against the real file system: archive copy
// (blocks, cancel, short reads, failed writes), extraction (folders,
// times, attributes, hostile names), working folders and drive space.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/files.h"
#include "platform/system.h"
#include "startup/package_files.h"
#include "startup/random_numbers.h"
#include "tests/support/stored_zip.h"

namespace {

std::string make_scratch() {
    std::string dir = working_folder_create();
    EXPECT_FALSE(dir.empty());
    return dir;
}

std::string pattern_bytes(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = (char)(i * 7 + i / 3);
    return s;
}

int g_calls;
float g_last;
int g_stop_at;
int count_progress(float p) {
    ++g_calls;
    g_last = p;
    return g_stop_at && g_calls >= g_stop_at;
}

TEST(ArchiveCopy, CopiesTheRangeInBlocksWithProgress) {
    std::string dir = make_scratch();
    std::string data = pattern_bytes(3 * kCopyBlock + 1000);
    ASSERT_TRUE(file_write_all(dir + "src.bin", "HEAD" + data + "TAIL"));
    PlatformFile src = file_open_read(dir + "src.bin");
    PlatformFile dst = file_create(dir + "dst.bin");
    g_calls = 0;
    g_stop_at = 0;
    EXPECT_EQ(kCopyDone, archive_copy(src, dst, 4, (int32_t)data.size(), count_progress));
    file_close(src);
    file_close(dst);
    EXPECT_EQ(3, g_calls);  // one call per full block, none for the rest
    EXPECT_FLOAT_EQ(100.0f, g_last);
    std::string copy;
    ASSERT_TRUE(file_read_all(dir + "dst.bin", &copy));
    EXPECT_TRUE(copy == data);
    folder_delete_tree(dir);
}

TEST(ArchiveCopy, SmallArchiveNeverCallsBackAndCannotBeCancelled) {
    std::string dir = make_scratch();
    ASSERT_TRUE(file_write_all(dir + "src.bin", pattern_bytes(1000)));
    PlatformFile src = file_open_read(dir + "src.bin");
    PlatformFile dst = file_create(dir + "dst.bin");
    g_calls = 0;
    g_stop_at = 1;
    EXPECT_EQ(kCopyDone, archive_copy(src, dst, 0, 1000, count_progress));
    EXPECT_EQ(0, g_calls);
    file_close(src);
    file_close(dst);
    folder_delete_tree(dir);
}

TEST(ArchiveCopy, CancelStopsAfterTheBlock) {
    std::string dir = make_scratch();
    ASSERT_TRUE(file_write_all(dir + "src.bin", pattern_bytes(4 * kCopyBlock)));
    PlatformFile src = file_open_read(dir + "src.bin");
    PlatformFile dst = file_create(dir + "dst.bin");
    g_calls = 0;
    g_stop_at = 2;
    EXPECT_EQ(kCopyCancelled, archive_copy(src, dst, 0, 4 * kCopyBlock, count_progress));
    EXPECT_EQ(2, g_calls);
    file_close(src);
    file_close(dst);
    folder_delete_tree(dir);
}

TEST(ArchiveCopy, ShortReadIsAnErrorNotACompleteCopy) {
    std::string dir = make_scratch();
    ASSERT_TRUE(file_write_all(dir + "src.bin", pattern_bytes(kCopyBlock + 10)));
    PlatformFile src = file_open_read(dir + "src.bin");
    PlatformFile dst = file_create(dir + "dst.bin");
    // The trailer claims more bytes than the file holds.
    EXPECT_EQ(kCopyReadFailed, archive_copy(src, dst, 0, 2 * kCopyBlock, nullptr));
    file_close(dst);
    dst = file_create(dir + "dst2.bin");
    EXPECT_EQ(kCopyReadFailed, archive_copy(src, dst, 5, 100 + kCopyBlock, nullptr));
    file_close(src);
    file_close(dst);
    folder_delete_tree(dir);
}

TEST(ArchiveCopy, FailedWriteIsAnError) {
    std::string dir = make_scratch();
    ASSERT_TRUE(file_write_all(dir + "src.bin", pattern_bytes(kCopyBlock + 10)));
    ASSERT_TRUE(file_write_all(dir + "dst.bin", ""));
    PlatformFile src = file_open_read(dir + "src.bin");
    PlatformFile dst = file_open_read(dir + "dst.bin");  // not writable
    EXPECT_EQ(kCopyWriteFailed, archive_copy(src, dst, 0, kCopyBlock + 10, nullptr));
    file_close(src);
    file_close(dst);
    folder_delete_tree(dir);
}

std::vector<std::string> g_written;
void note_written(const std::string& p) { g_written.push_back(p); }

TEST(ArchiveExtract, FoldersTimesAttributesAndCount) {
    std::string dir = make_scratch();
    std::string zip = stored_zip({{"Config/", "", 0x10},
                                  {"Config/Script.ini", "[A]\r\nx=1\r\n", 0x20},
                                  {"Resources/deep/ReadMe.txt", "hello", 0x21},
                                  {"Empty/", "", 0x10}});
    ASSERT_TRUE(file_write_all(dir + "a.zip", zip));
    g_written.clear();
    ExtractOptions opt = {nullptr, nullptr, note_written};
    EXPECT_EQ(2, archive_extract(dir + "a.zip", "*.*", dir + "out", true, &opt));
    EXPECT_EQ(2u, g_written.size());
    std::string text;
    ASSERT_TRUE(file_read_all(dir + "out\\Config\\Script.ini", &text));
    EXPECT_EQ("[A]\r\nx=1\r\n", text);
    EXPECT_TRUE(folder_exists(dir + "out\\Empty"));
    DWORD attr = GetFileAttributesA((dir + "out\\Resources\\deep\\ReadMe.txt").c_str());
    EXPECT_TRUE(attr & FILE_ATTRIBUTE_READONLY);
    WIN32_FILE_ATTRIBUTE_DATA fad;
    ASSERT_TRUE(GetFileAttributesExA((dir + "out\\Config\\Script.ini").c_str(), GetFileExInfoStandard, &fad));
    FILETIME local;
    SYSTEMTIME st;
    FileTimeToLocalFileTime(&fad.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &st);
    EXPECT_EQ(2024, st.wYear);
    EXPECT_EQ(5, st.wMonth);
    EXPECT_EQ(17, st.wDay);
    EXPECT_EQ(12, st.wHour);
    EXPECT_EQ(30, st.wMinute);
    SetFileAttributesA((dir + "out\\Resources\\deep\\ReadMe.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    folder_delete_tree(dir);
}

TEST(ArchiveExtract, PatternAndFlatMode) {
    std::string dir = make_scratch();
    ASSERT_TRUE(file_write_all(dir + "a.zip", stored_zip({{"a/one.ini", "1", 0x20}, {"b/two.txt", "2", 0x20}})));
    EXPECT_EQ(1, archive_extract(dir + "a.zip", "*.INI", dir + "flat\\", false));
    EXPECT_TRUE(path_exists(dir + "flat\\one.ini"));
    EXPECT_FALSE(path_exists(dir + "flat\\two.txt"));
    EXPECT_FALSE(path_exists(dir + "flat\\a"));
    folder_delete_tree(dir);
}

TEST(ArchiveExtract, HostileNamesWriteNothingOutsideTheDestination) {
    std::string dir = make_scratch();
    std::string zip = stored_zip({{"../climb1.txt", "x", 0x20},
                                  {"ok/../../climb2.txt", "x", 0x20},
                                  {"\\rooted.txt", "x", 0x20},
                                  {"/rooted2.txt", "x", 0x20},
                                  {"C:\\..\\climb3.txt", "x", 0x20},
                                  {"C:drive.txt", "x", 0x20},
                                  {"..\\", "", 0x10},
                                  {"good.txt", "fine", 0x20}});
    ASSERT_TRUE(file_write_all(dir + "a.zip", zip));
    folder_create(dir + "inner");
    EXPECT_EQ(1, archive_extract(dir + "a.zip", "*.*", dir + "inner\\dest", true));
    EXPECT_TRUE(path_exists(dir + "inner\\dest\\good.txt"));
    EXPECT_FALSE(path_exists(dir + "inner\\climb1.txt"));
    EXPECT_FALSE(path_exists(dir + "climb2.txt"));
    EXPECT_FALSE(path_exists(dir + "inner\\climb3.txt"));
    EXPECT_FALSE(path_exists("C:\\rooted.txt"));
    EXPECT_FALSE(path_exists("C:\\rooted2.txt"));
    EXPECT_FALSE(path_exists(dir + "inner\\dest\\drive.txt"));
    std::vector<FolderEntry> inner = folder_list(dir + "inner\\", "*.*");
    ASSERT_EQ(1u, inner.size());  // only dest
    // The flat mode keeps the file part only, which cannot climb; a file
    // part with a drive colon or an empty one is still refused.
    EXPECT_EQ(6, archive_extract(dir + "a.zip", "*.*", dir + "flat", false));
    EXPECT_TRUE(path_exists(dir + "flat\\climb1.txt"));
    EXPECT_TRUE(path_exists(dir + "flat\\rooted.txt"));
    EXPECT_FALSE(path_exists(dir + "flat\\drive.txt"));
    folder_delete_tree(dir);
}

TEST(ArchiveExtract, UnreadableArchiveWritesNothing) {
    std::string dir = make_scratch();
    ASSERT_TRUE(file_write_all(dir + "bad.zip", "this is not a zip archive at all"));
    EXPECT_EQ(0, archive_extract(dir + "bad.zip", "*.*", dir + "out", true));
    EXPECT_FALSE(path_exists(dir + "out"));
    EXPECT_EQ(0, archive_extract(dir + "missing.zip", "*.*", dir + "out", true));
    folder_delete_tree(dir);
}

TEST(WorkingFolder, NewFoldersUnderTheTemporaryDirectory) {
    random_seed(42);
    std::string a = working_folder_create();
    random_seed(42);  // the same draws: the existing folder is never taken
    std::string b = working_folder_create();
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    EXPECT_NE(a, b);
    EXPECT_EQ(0u, a.find(temp_directory()));
    EXPECT_EQ('\\', a.back());
    std::string digits = a.substr(temp_directory().size(), a.size() - temp_directory().size() - 1);
    EXPECT_EQ(std::string::npos, digits.find_first_not_of("0123456789"));
    EXPECT_LE(digits.size(), 7u);
    std::string t = temp_archive_name(a);
    EXPECT_FALSE(path_exists(t));
    EXPECT_EQ(".tmp", t.substr(t.size() - 4));
    folder_delete_tree(a);
    folder_delete_tree(b);
    EXPECT_FALSE(path_exists(a));
}

TEST(WorkingFolder, GivesUpWhenTheTemporaryDirectoryTakesNoFolder) {
    // A temporary "directory" that is a file accepts no new folder: the
    // attempts are bounded and the caller gets an empty path.
    std::string blocker = temp_directory() + "not-a-folder.txt";
    ASSERT_TRUE(file_write_all(blocker, "x"));
    char old_tmp[MAX_PATH] = "", old_temp[MAX_PATH] = "";
    GetEnvironmentVariableA("TMP", old_tmp, MAX_PATH);
    GetEnvironmentVariableA("TEMP", old_temp, MAX_PATH);
    SetEnvironmentVariableA("TMP", blocker.c_str());
    SetEnvironmentVariableA("TEMP", blocker.c_str());
    std::string made = working_folder_create();
    SetEnvironmentVariableA("TMP", old_tmp);
    SetEnvironmentVariableA("TEMP", old_temp);
    file_delete(blocker);
    EXPECT_EQ("", made);
}

TEST(DriveSpace, KindsAndFailures) {
    int64_t total = drive_space("C:\\", "t"), free_ = drive_space("C:\\", "F"), used = drive_space("C:\\", "u");
    EXPECT_GT(total, 0);
    EXPECT_GT(free_, 0);
    EXPECT_EQ(total - free_, used);
    EXPECT_EQ(-1, drive_space("C:\\", "x"));
    EXPECT_EQ(-1, drive_space("C:\\", "tf"));
    EXPECT_EQ(-1, drive_space("Q:\\", "f"));
}

TEST(CleanupDeletion, RemovesReadOnlyFilesAndNestedFolders) {
    std::string dir = make_scratch();
    folder_create(dir + "sub");
    folder_create(dir + "sub\\deeper");
    file_write_all(dir + "sub\\deeper\\ro.txt", "x");
    SetFileAttributesA((dir + "sub\\deeper\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((dir + "sub").c_str(), FILE_ATTRIBUTE_READONLY);
    folder_delete_tree(dir);
    EXPECT_FALSE(path_exists(dir));
}

}  // namespace

namespace {

std::string loaded_from(const char* name) {
    char path[MAX_PATH] = "";
    HMODULE m = GetModuleHandleA(name);
    if (m) GetModuleFileNameA(m, path, sizeof path);
    return path;
}

TEST(SystemLibraries, LoadedByFullPathFromTheSystemFolder) {
    // A "winmm.dll" planted next to the program must not be the one loaded
    // (Wine prefers its own libraries anyway; the path is what is checked).
    char exe[MAX_PATH], sys[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string planted = std::string(exe).substr(0, std::string(exe).rfind('\\') + 1) + "winmm.dll";
    GetSystemDirectoryA(sys, sizeof sys);
    CopyFileA((std::string(sys) + "\\version.dll").c_str(), planted.c_str(), FALSE);
    dll_search_system_only();
    timer_precise_begin();
    timer_precise_end();
    std::string winmm = loaded_from("winmm.dll");
    DeleteFileA(planted.c_str());
    EXPECT_EQ(0u, CharLowerA(&winmm[0]) ? winmm.find(CharLowerA(sys)) : 1) << winmm;
    std::string dir = make_scratch();
    EXPECT_TRUE(folder_create_all(dir + "a\\b\\"));
    std::string imagehlp = loaded_from("imagehlp.dll");
    EXPECT_EQ(0u, CharLowerA(&imagehlp[0]) ? imagehlp.find(sys) : 1) << imagehlp;
    folder_delete_tree(dir);
}

}  // namespace

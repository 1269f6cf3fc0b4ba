// Registry operations against the Wine registry: key creation with its
// new-or-existing report, values of both types, leading backslashes, and
// single-level and tree deletion.
#include <gtest/gtest.h>

#include "tasks/registry_tasks.h"
#include "tests/wine/tasks_support.h"

using namespace tasks_test;

namespace {

class RegistryTasks : public testing::Test {
protected:
    std::string base = "Software\\PackwrightTest\\Registry" + run_suffix();
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str());
        EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, base));
        test_root_release();
    }
};

TEST_F(RegistryTasks, CreateKeyTellsNewFromExisting) {
    bool created = false;
    EXPECT_EQ(1, create_key(kRootCurrentUser, base + "\\A\\B", &created));
    EXPECT_TRUE(created);
    EXPECT_TRUE(key_exists(HKEY_CURRENT_USER, base + "\\A\\B"));
    EXPECT_EQ(1, create_key(kRootCurrentUser, base + "\\A\\B", &created));
    EXPECT_FALSE(created);
    // An existing parent made with the child still counts as existing.
    EXPECT_EQ(1, create_key(kRootCurrentUser, base + "\\A", &created));
    EXPECT_FALSE(created);
    // Root indexes outside 0 and 1 select no root: the create fails.
    EXPECT_EQ(0u, registry_root_from_index(2));
    EXPECT_EQ(0, create_key(registry_root_from_index(2), base + "\\C", &created));
    EXPECT_FALSE(created);
    EXPECT_EQ(kRootLocalMachine, registry_root_from_index(1));
}

TEST_F(RegistryTasks, OneLeadingBackslashIsDropped) {
    EXPECT_EQ(1, create_key(kRootCurrentUser, "\\" + base + "\\One"));
    EXPECT_TRUE(key_exists(HKEY_CURRENT_USER, base + "\\One"));
    EXPECT_EQ(1, set_value(kRootCurrentUser, "\\" + base + "\\One", "v", "x", kRegSz));
    EXPECT_EQ("x", text_value(HKEY_CURRENT_USER, base + "\\One", "v"));
    // Two leading backslashes keep one, which the registry refuses as a
    // path: nothing is made under the name without them.
    EXPECT_EQ(0, create_key(kRootCurrentUser, "\\\\" + base + "\\Two"));
    EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, base + "\\Two"));
    EXPECT_EQ(0, set_value(kRootCurrentUser, "\\\\" + base + "\\One", "w", "x", kRegSz));
    EXPECT_EQ("<missing>", text_value(HKEY_CURRENT_USER, base + "\\One", "w"));
}

TEST_F(RegistryTasks, SetValueNeedsTheKeyAndWritesBothTypes) {
    EXPECT_EQ(0, set_value(kRootCurrentUser, base + "\\Missing", "v", "x", kRegSz));
    EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, base + "\\Missing"));

    ASSERT_EQ(1, create_key(kRootCurrentUser, base));
    DWORD type = 0;
    std::string data;
    EXPECT_EQ(1, set_value(kRootCurrentUser, base, "text", "hello", kRegSz));
    ASSERT_TRUE(value_read(HKEY_CURRENT_USER, base, "text", &type, &data));
    EXPECT_EQ((DWORD)REG_SZ, type);
    EXPECT_EQ(std::string("hello\0", 6), data);  // the terminating zero counts
    EXPECT_EQ(1, set_value(kRootCurrentUser, base, "", "default", kRegSz));
    EXPECT_EQ("default", text_value(HKEY_CURRENT_USER, base, ""));

    struct {
        const char* text;
        int32_t number;
    } numbers[] = {{"12abc", 12}, {"", 0}, {"$FF", 255}, {"-1", -1}};
    for (auto& n : numbers) {
        EXPECT_EQ(1, set_value(kRootCurrentUser, base, "num", n.text, kRegDword));
        ASSERT_TRUE(value_read(HKEY_CURRENT_USER, base, "num", &type, &data));
        EXPECT_EQ((DWORD)REG_DWORD, type);
        ASSERT_EQ(4u, data.size());
        int32_t got;
        memcpy(&got, data.data(), 4);
        EXPECT_EQ(n.number, got) << n.text;
    }
    // Another type writes nothing but still reports the opened key.
    EXPECT_EQ(1, set_value(kRootCurrentUser, base, "other", "x", 2));
    EXPECT_FALSE(value_read(HKEY_CURRENT_USER, base, "other", &type, &data));

    EXPECT_EQ(1, delete_value(kRootCurrentUser, base, "text"));
    EXPECT_EQ("<missing>", text_value(HKEY_CURRENT_USER, base, "text"));
    EXPECT_EQ(0, delete_value(kRootCurrentUser, base, "text"));
    EXPECT_EQ(0, delete_value(kRootCurrentUser, base + "\\Missing", "text"));

    EXPECT_EQ(1, create_key_and_set_value(kRootCurrentUser, base + "\\New\\Deep", "v", "made", kRegSz));
    EXPECT_EQ("made", text_value(HKEY_CURRENT_USER, base + "\\New\\Deep", "v"));
}

TEST_F(RegistryTasks, DeleteKeyOneLevelAndTree) {
    const char* keys[] = {"\\T\\A\\A1\\A11", "\\T\\A\\A2", "\\T\\B", "\\T\\C\\C1"};
    for (const char* k : keys) ASSERT_EQ(1, create_key(kRootCurrentUser, base + k));
    ASSERT_EQ(1, set_value(kRootCurrentUser, base + "\\T\\A\\A2", "v", "x", kRegSz));

    EXPECT_EQ("A", first_subkey(kRootCurrentUser, base + "\\T", 0));
    EXPECT_EQ("C", first_subkey(kRootCurrentUser, base + "\\T", 2));
    EXPECT_EQ("", first_subkey(kRootCurrentUser, base + "\\T", 3));
    EXPECT_EQ("", first_subkey(kRootCurrentUser, base + "\\Missing", 0));

    // The NT family keeps a key that still has subkeys.
    EXPECT_EQ(0, delete_key(kRootCurrentUser, base + "\\T"));
    EXPECT_TRUE(key_exists(HKEY_CURRENT_USER, base + "\\T\\A\\A1\\A11"));
    EXPECT_EQ(1, delete_key(kRootCurrentUser, base + "\\T\\B"));
    EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, base + "\\T\\B"));

    delete_key_tree(kRootCurrentUser, "\\" + base + "\\T");
    EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, base + "\\T"));
    EXPECT_TRUE(key_exists(HKEY_CURRENT_USER, base));
    delete_key_tree(kRootCurrentUser, base + "\\Missing");  // completes
}

TEST_F(RegistryTasks, TreeDeletionNeverEmptiesARoot) {
    // HKEY_CURRENT_USER is mapped onto a scratch key, so that a fault here
    // could only empty that key.
    ASSERT_EQ(1, create_key(kRootCurrentUser, base + "\\Root\\Sub"));
    HKEY scratch;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, (base + "\\Root").c_str(), 0, KEY_ALL_ACCESS, &scratch));
    ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, scratch));
    ASSERT_EQ("Sub", first_subkey(kRootCurrentUser, "", 0));
    delete_key_tree(kRootCurrentUser, "");
    delete_key_tree(kRootCurrentUser, "\\");
    std::string left = first_subkey(kRootCurrentUser, "", 0);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(scratch);
    EXPECT_EQ("Sub", left);
}

}  // namespace

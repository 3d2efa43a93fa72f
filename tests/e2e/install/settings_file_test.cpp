// The settings file under Wine: the UILanguage rewrite through a temporary
// file, the protection it ends with, and what happens when it cannot be
// replaced.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver/setup_process.h"
#include "install/settings_file.h"
#include "install_harness.h"

namespace {

const DWORD kKept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
const DWORD kProtecting = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

class SettingsFile : public testing::Test {
protected:
    void SetUp() override {
        folder_ = WorkFolder() + "\\SettingsFile." + testing::UnitTest::GetInstance()->current_test_info()->name();
        RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
        settings_ = folder_ + "\\QuilleryUI.ini";
    }
    // Records language 2, as the settings of a Traditional Chinese interface.
    int Write() { return WriteUiLanguageSetting(folder_.c_str(), 2); }
    void Place(const std::string& content, DWORD attributes) {
        WriteAll(settings_, content);
        SetFileAttributesA(settings_.c_str(), attributes);
    }
    std::string folder_, settings_;
};

TEST_F(SettingsFile, KeyLineIsRewrittenWholeAndTheAttributesComeBack) {
    Place("[UI_STR]\r\nFile=x\r\n[Config]\r\nUILanguage=10\r\nNext=1\r\n",
          FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(1, Write());
    EXPECT_EQ("[UI_STR]\r\nFile=x\r\n[Config]\r\nUILanguage=2\r\nNext=1\r\n", ReadAll(settings_));
    EXPECT_EQ(kKept, AttributesOf(settings_) & kKept);
    EXPECT_EQ(std::vector<std::string>{"QuilleryUI.ini"}, NamesIn(folder_));
}

TEST_F(SettingsFile, UnprotectedFileEndsReadOnlyAndHidden) {
    Place("", FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(1, Write());
    EXPECT_EQ("\r\n[Config]\r\nUILanguage=2\r\n\r\n", ReadAll(settings_));
    EXPECT_EQ(kProtecting, AttributesOf(settings_) & kKept);
}

TEST_F(SettingsFile, MissingFileStaysMissing) {
    EXPECT_EQ(1, Write());
    EXPECT_TRUE(NamesIn(folder_).empty());
}

TEST_F(SettingsFile, FileThatCannotBeReplacedIsLeftWholeAndProtected) {
    const std::string content = "[Config]\r\nUILanguage=0\r\n";
    Place(content, FILE_ATTRIBUTE_NORMAL);
    // Readable by others, but neither writable nor deletable while held.
    HANDLE held = CreateFileA(settings_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(1, Write());
    CloseHandle(held);
    EXPECT_EQ(content, ReadAll(settings_));
    EXPECT_EQ(kProtecting, AttributesOf(settings_) & kKept);
    EXPECT_EQ(std::vector<std::string>{"QuilleryUI.ini"}, NamesIn(folder_));
}

TEST_F(SettingsFile, FolderOfThatNameIsLeftAlone) {
    ASSERT_TRUE(CreateDirectoryA(settings_.c_str(), nullptr));
    EXPECT_EQ(1, Write());
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_DIRECTORY), AttributesOf(settings_) & (FILE_ATTRIBUTE_DIRECTORY | kProtecting));
}

TEST_F(SettingsFile, ClearFileAttributesRemovesOnlyWhatIsAskedAndPresent) {
    struct Case {
        DWORD before;
        int clearReadOnly, clearHidden;
        int result;
        DWORD after;
    };
    const DWORD ro = FILE_ATTRIBUTE_READONLY, hidden = FILE_ATTRIBUTE_HIDDEN, system = FILE_ATTRIBUTE_SYSTEM;
    const Case cases[] = {
        {ro | hidden | system, 1, 1, 1, system},
        {ro | hidden, 1, 0, 1, hidden},
        {ro | hidden, 0, 1, 1, ro},
        {ro | hidden, 0, 0, 0, ro | hidden},
        {system, 1, 1, 0, system},
        {hidden, 1, 0, 0, hidden},
    };
    for (const Case& c : cases) {
        Place("x", c.before);
        EXPECT_EQ(c.result, ClearFileAttributes(settings_.c_str(), c.clearReadOnly, c.clearHidden)) << c.before;
        EXPECT_EQ(c.after, AttributesOf(settings_) & kKept) << c.before;
        SetFileAttributesA(settings_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_EQ(0, ClearFileAttributes((folder_ + "\\missing.ini").c_str(), 1, 1));
}

}  // namespace

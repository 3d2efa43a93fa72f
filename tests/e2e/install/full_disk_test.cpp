// A full disk under Wine: a small tmpfs that ctest mounts for this test
// (--full-disk=DIR). The installation stops at the first file that does not
// fit; the settings file is never left cut short.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "install/payload_table.h"
#include "install/settings_file.h"
#include "install_fixture.h"

namespace {

const ULONGLONG kSmallDisk = 1 << 20;  // what counts as the test's own small file system
const DWORD kProtecting = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

// Run by its own ctest entry, which mounts the file system first.
class DISABLED_FullDisk : public InstallFixture {
protected:
    void SetUp() override {
        InstallFixture::SetUp();
        std::string disk = CommandLineArgument("--full-disk=");
        ULARGE_INTEGER free, total;
        if (disk.empty() || !GetDiskFreeSpaceExA(disk.c_str(), &free, &total, nullptr) ||
            total.QuadPart > kSmallDisk)
            GTEST_SKIP() << "no small file system mounted at --full-disk (mounting needs root)";
        folder_ = disk + "\\" + testing::UnitTest::GetInstance()->current_test_info()->name();
        RemoveTree(folder_);
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        UseInstallDir(folder_);
    }
    void TearDown() override {
        if (!folder_.empty()) RemoveTree(folder_);
        InstallFixture::TearDown();
    }
    // Writes 4 KB pieces into a filler file until the disk takes no more.
    void FillDisk() {
        HANDLE filler = CreateFileA((folder_ + "\\filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, filler);
        std::vector<char> piece(4096, 'f');
        DWORD written = 0;
        while (WriteFile(filler, piece.data(), static_cast<DWORD>(piece.size()), &written, nullptr) &&
               written == piece.size()) {
        }
        CloseHandle(filler);
    }
    std::string folder_;
};

TEST_F(DISABLED_FullDisk, InstallationStopsAtTheFirstFileThatDoesNotFit) {
    EXPECT_EQ(0, Install());
    int failed = 0;
    while (failed < PayloadTableCount &&
           ReadAll(folder_ + "\\" + PayloadTable[failed].fileName) == ExpectedPayloadBytes(PayloadTable[failed].fileName))
        ++failed;
    ASSERT_LT(failed, PayloadTableCount);
    for (int i = failed + 1; i < PayloadTableCount; ++i)
        EXPECT_FALSE(Exists(folder_ + "\\" + PayloadTable[i].fileName)) << PayloadTable[i].fileName;
    std::vector<int> progress = report_.progress;
    ASSERT_FALSE(progress.empty());
    EXPECT_LT(progress.back(), 90);
    EXPECT_TRUE(NamesIn(programs_).empty());
}

TEST_F(DISABLED_FullDisk, SettingsFileThatCannotBeRewrittenStaysWhole) {
    std::string settings = folder_ + "\\QuilleryUI.ini";
    std::string content = "[UI_STR]\r\n";
    while (content.size() < 40000) content += "Some interface text=some translation\r\n";
    content += "[Config]\r\nUILanguage=0\r\n";
    WriteAll(settings, content);
    ASSERT_EQ(content, ReadAll(settings));
    SetFileAttributesA(settings.c_str(), kProtecting);
    FillDisk();
    EXPECT_EQ(1, WriteUiLanguageSetting(folder_.c_str(), 2));
    EXPECT_EQ(content, ReadAll(settings));
    EXPECT_EQ(kProtecting, AttributesOf(settings) & kProtecting);
    EXPECT_EQ((std::vector<std::string>{"QuilleryUI.ini", "filler"}), NamesIn(folder_));
}

}  // namespace

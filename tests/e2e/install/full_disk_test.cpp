// A full disk under Wine: a small tmpfs that ctest mounts for this test
// (--full-disk=DIR), too small for the payload. The installation fails and
// leaves an older installation as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "install_fixture.h"

namespace {

const ULONGLONG kSmallDisk = 1 << 20;  // what counts as the test's own small file system

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
    std::string folder_;
};

TEST_F(DISABLED_FullDisk, OlderInstallationStaysWholeWhenTheDiskFillsDuringTheRun) {
    const FolderState before = PlaceOlderInstallation();
    EXPECT_EQ(0, Install());
    ExpectFolderAsBefore(before, folder_);
    ASSERT_FALSE(report_.progress.empty());
    EXPECT_LT(report_.progress.back(), 90);
    EXPECT_TRUE(NamesIn(programs_).empty());
}

}  // namespace

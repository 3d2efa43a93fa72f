#include "setup/folder_path_rule.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/target_path.h"

namespace {

const char kName[] = "LectorQuillery";

int GbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(FolderPathRule, DefaultFolderIsOnTheWindowsDirectorysDrive) {
    char out[kPathCapacity];
    ASSERT_EQ(1, ComposeDefaultFolder(out, sizeof out, "D:\\WINDOWS", kName));
    EXPECT_STREQ("D:\\LectorQuillery", out);
    ASSERT_EQ(1, ComposeDefaultFolder(out, sizeof out, "C:\\windows", kName));
    EXPECT_STREQ("C:\\LectorQuillery", out);
}

TEST(FolderPathRule, NoWindowsDirectoryOrNoRoomGivesNoDefault) {
    char out[kPathCapacity] = "old";
    EXPECT_EQ(0, ComposeDefaultFolder(out, sizeof out, "", kName));
    EXPECT_STREQ("", out);
    std::snprintf(out, sizeof out, "%s", "old");
    EXPECT_EQ(0, ComposeDefaultFolder(out, sizeof out, nullptr, kName));
    EXPECT_STREQ("", out);
    // "D:\" and the name and the terminator: one byte short.
    char small[3 + sizeof kName - 1];
    EXPECT_EQ(0, ComposeDefaultFolder(small, sizeof small, "D:\\W", kName));
    EXPECT_STREQ("", small);
    char exact[3 + sizeof kName];
    EXPECT_EQ(1, ComposeDefaultFolder(exact, sizeof exact, "D:\\W", kName));
}

struct TrailCase {
    const char* path;
    const char* expected;
};

const TrailCase kTrailCases[] = {
    {"C:\\", "C:"},
    {"D:\\Apps", "D:\\Apps"},
    {"D:\\Apps\\", "D:\\Apps"},
    {"\\", ""},
    {"", ""},
    {"\\\\server\\share\\", "\\\\server\\share"},
};

TEST(FolderPathRule, TrailingBackslashIsDropped) {
    for (const TrailCase& c : kTrailCases) {
        char path[kPathCapacity];
        std::snprintf(path, sizeof path, "%s", c.path);
        DropTrailingBackslash(path, nullptr);
        EXPECT_STREQ(c.expected, path) << c.path;
    }
}

TEST(FolderPathRule, ABackslashThatEndsATwoByteCharacterStays) {
    // 0x95 0x5C is one GBK character whose second byte is a backslash.
    char path[kPathCapacity] = "C:\\\x95\x5C";
    DropTrailingBackslash(path, GbkLeadByte);
    EXPECT_STREQ("C:\\\x95\x5C", path);
    std::snprintf(path + std::strlen(path), sizeof path - std::strlen(path), "\\");
    DropTrailingBackslash(path, GbkLeadByte);
    EXPECT_STREQ("C:\\\x95\x5C", path);
    // The same bytes in a single-byte code page are a backslash at the end.
    DropTrailingBackslash(path, nullptr);
    EXPECT_STREQ("C:\\\x95", path);
}

TEST(FolderPathRule, AChosenDriveRootGivesOneBackslash) {
    char root[kPathCapacity] = "X:\\";
    DropTrailingBackslash(root, nullptr);
    char out[kPathCapacity];
    ASSERT_EQ(1, ComposeChosenFolder(out, sizeof out, root, kName));
    EXPECT_STREQ("X:\\LectorQuillery", out);
    ASSERT_EQ(1, ComposeChosenFolder(out, sizeof out, "D:\\Apps", kName));
    EXPECT_STREQ("D:\\Apps\\LectorQuillery", out);
}

TEST(FolderPathRule, AChosenFolderTooDeepForTheNameIsRefused) {
    std::string folder(kPathCapacity - 1 - 1 - (sizeof kName - 1), 'd');
    char out[kPathCapacity];
    ASSERT_EQ(1, ComposeChosenFolder(out, sizeof out, folder.c_str(), kName));
    EXPECT_EQ(kPathCapacity - 1, std::strlen(out));
    folder += 'd';
    EXPECT_EQ(0, ComposeChosenFolder(out, sizeof out, folder.c_str(), kName));
    EXPECT_STREQ("", out);
}

TEST(FolderPathRule, PackageGoesIntoTheTemporaryFolderOrTheRootOfC) {
    char out[kPathCapacity];
    ASSERT_EQ(1, ComposePackagePath(out, sizeof out, "C:\\Temp\\", "Sapi51forKorvo.msi"));
    EXPECT_STREQ("C:\\Temp\\Sapi51forKorvo.msi", out);
    ASSERT_EQ(1, ComposePackagePath(out, sizeof out, "", "Sapi51forKorvo.msi"));
    EXPECT_STREQ("C:\\Sapi51forKorvo.msi", out);
    ASSERT_EQ(1, ComposePackagePath(out, sizeof out, nullptr, "Sapi51forKorvo.msi"));
    EXPECT_STREQ("C:\\Sapi51forKorvo.msi", out);
    std::string deep(kPathCapacity - 5, 't');
    EXPECT_EQ(0, ComposePackagePath(out, sizeof out, deep.c_str(), "Sapi51forKorvo.msi"));
    EXPECT_STREQ("", out);
}

}  // namespace

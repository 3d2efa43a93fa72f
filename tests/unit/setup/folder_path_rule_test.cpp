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

TEST(FolderPathRule, AFolderIsRefusedUnlessItAndEveryFileBelowItFitWhole) {
    // The longest name (27 bytes) decides: 259 - 1 - 27 = 231 bytes of folder.
    const PayloadEntry table[] = {{1, "a.bin", 1, 1}, {2, "LectorQuilleryUnInstall.exe", 0, 0}, {3, "b", 0, 0}};
    struct LengthCase {
        size_t length;
        int holds;
    };
    const LengthCase cases[] = {{3, 1}, {231, 1}, {232, 0}, {240, 0}, {259, 0}, {260, 0}, {300, 0}};
    for (const LengthCase& c : cases) {
        const std::string folder = "C:\\" + std::string(c.length - 3, 'f');
        EXPECT_EQ(c.holds, FolderHoldsPayload(folder.c_str(), table, 3)) << c.length;
    }
    // Without files only the folder itself must fit.
    EXPECT_EQ(1, FolderHoldsPayload(std::string(259, 'f').c_str(), table, 0));
    EXPECT_EQ(0, FolderHoldsPayload(std::string(260, 'f').c_str(), table, 0));
}

TEST(FolderPathRule, PackageGetsAFolderOfItsOwnInTheTemporaryFolderOrNoPlace) {
    char folder[kPathCapacity], path[kPathCapacity];
    ASSERT_EQ(1, ComposePackagePlace(folder, path, kPathCapacity, "C:\\Temp\\", 0x0123456789ABCDEFull,
                                     "Sapi51forKorvo.msi"));
    EXPECT_STREQ("C:\\Temp\\LQSetup-0123456789ABCDEF", folder);
    EXPECT_STREQ("C:\\Temp\\LQSetup-0123456789ABCDEF\\Sapi51forKorvo.msi", path);
    ASSERT_EQ(1, ComposePackagePlace(folder, path, kPathCapacity, "C:\\T\\", 0xA, "p.msi"));
    EXPECT_STREQ("C:\\T\\LQSetup-000000000000000A\\p.msi", path);
    // No temporary folder, or one too deep for the package: no place at all,
    // never the root of C:.
    const size_t room = kPathCapacity - 1 - (sizeof "LQSetup-" - 1) - 16 - 1 - (sizeof "p.msi" - 1);
    const std::string fits = std::string(room - 1, 't') + "\\";
    const std::string deep = fits + "t";
    struct PlaceCase {
        const char* tempDir;
        int placed;
    };
    const PlaceCase cases[] = {{"", 0}, {nullptr, 0}, {fits.c_str(), 1}, {deep.c_str(), 0}};
    for (const PlaceCase& c : cases) {
        std::snprintf(folder, sizeof folder, "old");
        EXPECT_EQ(c.placed, ComposePackagePlace(folder, path, kPathCapacity, c.tempDir, 1, "p.msi"))
            << (c.tempDir ? std::strlen(c.tempDir) : 0);
        if (c.placed) {
            EXPECT_EQ(kPathCapacity - 1, std::strlen(path));
            continue;
        }
        EXPECT_STREQ("", folder);
        EXPECT_STREQ("", path);
    }
}

}  // namespace

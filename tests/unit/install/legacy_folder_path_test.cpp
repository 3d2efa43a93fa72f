#include "install/legacy_folder_path.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/target_path.h"

namespace {

struct Case {
    const char* windowsDir;
    int ntPlatform;
    const char* userName;
    int folderId;
    const char* expected;
    int levels;
};

TEST(LegacyFolderPath, ComposesEachFolderOnNtAndElsewhere) {
    const Case cases[] = {
        {"C:\\WINNT", 1, "lin", kFolderPrograms, "C:\\WINNT\\profiles\\lin\\start menu\\programs", 2},
        {"C:\\WINNT", 1, "lin", kFolderDesktop, "C:\\WINNT\\profiles\\lin\\Desktop", 1},
        {"C:\\WINDOWS", 0, nullptr, kFolderPrograms, "C:\\WINDOWS\\start menu\\programs", 2},
        {"C:\\WINDOWS", 0, nullptr, kFolderDesktop, "C:\\WINDOWS\\Desktop", 1},
        // A Windows directory at a drive root already ends with its backslash.
        {"D:\\", 0, nullptr, kFolderPrograms, "D:\\start menu\\programs", 2},
        {"D:\\", 1, "ma", kFolderDesktop, "D:\\profiles\\ma\\Desktop", 1},
        // The user name's bytes are taken as they are (GBK here).
        {"C:\\WINNT", 1, "\xc0\xee", kFolderPrograms, "C:\\WINNT\\profiles\\\xc0\xee\\start menu\\programs", 2},
    };
    for (const Case& c : cases) {
        char out[kPathCapacity];
        EXPECT_EQ(c.levels, ComposeLegacyFolderPath(out, sizeof out, c.windowsDir, c.ntPlatform, c.userName,
                                                    c.folderId))
            << c.expected;
        EXPECT_STREQ(c.expected, out);
    }
}

// Such shells have no Startup folder: neither the profile nor the Windows
// directory itself stands in for one.
TEST(LegacyFolderPath, StartupAndUnknownFoldersAreNotComposed) {
    for (int nt : {0, 1})
        for (int folderId : {kFolderStartup, 5}) {
            char out[kPathCapacity] = "old";
            EXPECT_EQ(0, ComposeLegacyFolderPath(out, sizeof out, "C:\\WINNT", nt, "lin", folderId)) << folderId;
            EXPECT_STREQ("", out);
        }
}

TEST(LegacyFolderPath, PathThatFillsTheBufferExactlyIsKeptOneMoreByteIsRefused) {
    // "<dir>\profiles\user\start menu\programs": 38 bytes after the directory.
    const size_t tail = std::strlen("\\profiles\\user\\start menu\\programs");
    std::string fits = "C:\\" + std::string(kPathCapacity - 1 - tail - 3, 'w');
    char out[kPathCapacity + 8];
    std::memset(out, '#', sizeof out);
    ASSERT_EQ(2, ComposeLegacyFolderPath(out, kPathCapacity, fits.c_str(), 1, "user", kFolderPrograms));
    EXPECT_EQ(kPathCapacity - 1, std::strlen(out));

    std::string tooLong = fits + "w";
    EXPECT_EQ(0, ComposeLegacyFolderPath(out, kPathCapacity, tooLong.c_str(), 1, "user", kFolderPrograms));
    EXPECT_STREQ("", out);
    for (size_t i = kPathCapacity; i < sizeof out; ++i) EXPECT_EQ('#', out[i]) << i;
}

TEST(LegacyFolderPath, LongUserNameCanPushThePathOverTheBuffer) {
    std::string user(250, 'u');
    char out[kPathCapacity];
    EXPECT_EQ(0, ComposeLegacyFolderPath(out, sizeof out, "C:\\WINNT", 1, user.c_str(), kFolderDesktop));
    EXPECT_STREQ("", out);
    // The same name does not count where there are no profiles.
    EXPECT_EQ(1, ComposeLegacyFolderPath(out, sizeof out, "C:\\WINNT", 0, user.c_str(), kFolderDesktop));
    EXPECT_STREQ("C:\\WINNT\\Desktop", out);
}

TEST(LegacyFolderPath, NoWindowsDirectoryGivesNoPath) {
    char out[kPathCapacity] = "old";
    EXPECT_EQ(0, ComposeLegacyFolderPath(out, sizeof out, "", 1, "lin", kFolderPrograms));
    EXPECT_STREQ("", out);
}

}  // namespace

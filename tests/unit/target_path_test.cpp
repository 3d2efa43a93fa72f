#include "base/target_path.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(TargetPath, JoinsInstallDirAndName) {
    char out[kPathCapacity];
    ASSERT_EQ(1, ComposeTargetPath(out, sizeof out, "C:\\LectorQuillery", "ChnBmp.bin", nullptr));
    EXPECT_STREQ("C:\\LectorQuillery\\ChnBmp.bin", out);
}

TEST(TargetPath, ExplicitPathIsUsedWholeEvenWithEmptyInstallDir) {
    char out[kPathCapacity];
    ASSERT_EQ(1, ComposeTargetPath(out, sizeof out, "", "ignored.msi", "C:\\Temp\\Sapi51forKorvo.msi"));
    EXPECT_STREQ("C:\\Temp\\Sapi51forKorvo.msi", out);
}

TEST(TargetPath, LongestFittingPathIsKeptAndOneMoreIsRefused) {
    // 259 bytes fit a 260-byte buffer; 260 do not.
    const std::string name = "f.bin";
    std::string dir(kPathCapacity - 1 - 1 - name.size(), 'd');
    char out[kPathCapacity];
    ASSERT_EQ(1, ComposeTargetPath(out, sizeof out, dir.c_str(), name.c_str(), nullptr));
    EXPECT_EQ(kPathCapacity - 1, std::string(out).size());

    dir += 'd';
    EXPECT_EQ(0, ComposeTargetPath(out, sizeof out, dir.c_str(), name.c_str(), nullptr));
    EXPECT_STREQ("", out);

    std::string explicitPath(kPathCapacity, 'p');
    EXPECT_EQ(0, ComposeTargetPath(out, sizeof out, "", "x", explicitPath.c_str()));
    EXPECT_STREQ("", out);
    explicitPath.resize(kPathCapacity - 1);
    EXPECT_EQ(1, ComposeTargetPath(out, sizeof out, "", "x", explicitPath.c_str()));
}

TEST(TargetPath, NeverWritesPastASmallBuffer) {
    char out[8 + 4];
    std::memset(out, '#', sizeof out);
    EXPECT_EQ(0, JoinPath(out, 8, "C:\\dir", "name"));
    EXPECT_EQ('\0', out[0]);
    for (size_t i = 8; i < sizeof out; ++i) EXPECT_EQ('#', out[i]);
    EXPECT_EQ(0, JoinPath(out, 0, "a", "b"));
}

}  // namespace

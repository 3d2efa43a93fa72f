#include "base/bounded_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

TEST(FormatText, FormatsTheConversionsInUse) {
    char out[64];
    EXPECT_EQ(7, FormatText(out, sizeof out, "%c:\\%s", 'D', "Apps"));
    EXPECT_STREQ("D:\\Apps", out);
    EXPECT_EQ(12, FormatText(out, sizeof out, "UILanguage=%d", 2));
    EXPECT_STREQ("UILanguage=2", out);
    FormatText(out, sizeof out, "%d|%d|%d", 0, -7, INT_MIN);
    EXPECT_STREQ("0|-7|-2147483648", out);
    FormatText(out, sizeof out, "%d", INT_MAX);
    EXPECT_STREQ("2147483647", out);
    FormatText(out, sizeof out, "100%% %s", static_cast<const char*>(nullptr));
    EXPECT_STREQ("100% ", out);
    EXPECT_EQ(0, FormatText(out, sizeof out, ""));
    EXPECT_STREQ("", out);
}

TEST(FormatText, ExactFitIsKeptOneMoreIsRefusedWhole) {
    char out[8 + 4];
    std::memset(out, '#', sizeof out);
    EXPECT_EQ(7, FormatText(out, 8, "%s\\%s", "abc", "def"));
    EXPECT_STREQ("abc\\def", out);
    EXPECT_EQ(-1, FormatText(out, 8, "%s\\%s", "abcd", "def"));
    EXPECT_STREQ("", out);
    for (size_t i = 8; i < sizeof out; ++i) EXPECT_EQ('#', out[i]) << i;
    EXPECT_EQ(-1, FormatText(out, 0, "x"));
    EXPECT_EQ('\0', out[0]);
}

TEST(CopyTextCut, CutsAtTheCapacity) {
    char out[128];
    std::string longLine(200, 'e');
    EXPECT_EQ(127u, CopyTextCut(out, sizeof out, longLine.c_str()));
    EXPECT_EQ(std::string(127, 'e'), out);
    EXPECT_EQ(5u, CopyTextCut(out, sizeof out, "short"));
    EXPECT_STREQ("short", out);
    EXPECT_EQ(0u, CopyTextCut(out, sizeof out, nullptr));
    EXPECT_STREQ("", out);
    char tiny[1] = {'#'};
    EXPECT_EQ(0u, CopyTextCut(tiny, sizeof tiny, "abc"));
    EXPECT_EQ('\0', tiny[0]);
}

}  // namespace

#include "install/settings_rewrite.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char kBlock1[] = "\r\n[Config]\r\nUILanguage=1\r\n\r\n";
const char kBlock2[] = "\r\n[Config]\r\nUILanguage=2\r\n\r\n";

std::string Rewrite(const std::string& settings, int uiLanguage) {
    std::vector<char> out(settings.size() + kSettingsRewriteGrowth);
    size_t length = 0;
    if (!RewriteUiLanguageSetting(settings.data(), settings.size(), uiLanguage, out.data(), out.size(),
                                  &length))
        return "<refused>";
    return std::string(out.data(), length);
}

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Case {
    const char* what;
    std::string settings;
    int uiLanguage;
    std::string expected;
};

TEST(SettingsRewrite, ReplacesTheKeyLineWholeOrAppendsTheBlock) {
    const Case cases[] = {
        {"existing key", "[UI_STR]\r\nFile=x\r\n[Config]\r\nUILanguage=0\r\n", 2,
         "[UI_STR]\r\nFile=x\r\n[Config]\r\nUILanguage=2\r\n"},
        {"longer old value leaves nothing behind", "[Config]\r\nUILanguage=10\r\nNext=1\r\n", 2,
         "[Config]\r\nUILanguage=2\r\nNext=1\r\n"},
        {"old value with trailing text", "UILanguage=1 ; chosen by setup\r\nA=b\r\n", 0,
         "UILanguage=0\r\nA=b\r\n"},
        {"key after other text on its line", "[Config]\r\nlang UILanguage=0\r\n", 1,
         "[Config]\r\nUILanguage=1\r\n"},
        {"key without a value", "UILanguage=\r\n", 2, "UILanguage=2\r\n"},
        {"last line without a break", "[Config]\r\nUILanguage=0", 2, "[Config]\r\nUILanguage=2"},
        {"bare LF kept bare", "a=1\nUILanguage=0\nb=2\n", 1, "a=1\nUILanguage=1\nb=2\n"},
        {"only the first key line", "UILanguage=0\r\nUILanguage=0\r\n", 1, "UILanguage=1\r\nUILanguage=0\r\n"},
        {"empty file", "", 1, kBlock1},
        {"other letter case is another key", "uilanguage=0\r\nUiLanguage=0\r\n", 2,
         std::string("uilanguage=0\r\nUiLanguage=0\r\n") + kBlock2},
        {"key without its equals sign", "UILanguage 0\r\n", 1, std::string("UILanguage 0\r\n") + kBlock1},
        {"no final line break: the block still follows", "[UI_STR]\r\nA=b", 1,
         std::string("[UI_STR]\r\nA=b") + kBlock1},
        {"bytes after a NUL are still searched", std::string("a\0b UILanguage=0\r\n", 18), 2,
         "UILanguage=2\r\n"},
        {"Chinese values around the key stay",
         "\xce\xc4\xbc\xfe=1\r\nUILanguage=0\r\n\xb1\xa3\xb4\xe6=2\r\n", 1,
         "\xce\xc4\xbc\xfe=1\r\nUILanguage=1\r\n\xb1\xa3\xb4\xe6=2\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, Rewrite(c.settings, c.uiLanguage)) << c.what;
}

TEST(SettingsRewrite, SampleFileGetsTheConfigBlockAfterItsLastLine) {
    std::string sample = ReadFile(LQ_SAMPLE_SETTINGS);
    ASSERT_GT(sample.size(), 1000u);
    ASSERT_EQ(std::string::npos, sample.find("UILanguage="));
    ASSERT_EQ("\r\n", sample.substr(sample.size() - 2));
    std::string rewritten = Rewrite(sample, 1);
    EXPECT_EQ(sample + kBlock1, rewritten);
    // Ends with an empty line, "[Config]", "UILanguage=1", another empty line.
    EXPECT_EQ("\r\n\r\n[Config]\r\nUILanguage=1\r\n\r\n", rewritten.substr(sample.size() - 2));
    // Rewriting the result changes the key line only.
    EXPECT_EQ(sample + kBlock2, Rewrite(rewritten, 2));
}

// A line reader with a 256-byte buffer takes a long line in pieces of 255
// bytes; the key counts only when one piece holds it whole.
TEST(SettingsRewrite, LongLineIsSearchedInPiecesOf255Bytes) {
    const std::string key = "UILanguage=0";
    struct Long {
        const char* what;
        size_t keyAt;  // bytes of text before the key on its line
        bool found;
    };
    const Long cases[] = {
        {"key ends on the piece's last byte", 255 - 11, true},
        {"key split across the boundary", 250, false},
        {"key's last byte one past the boundary", 255 - 10, false},
        {"key starts the second piece", 255, true},
        {"key inside the second piece", 300, true},
        {"key split across the second boundary", 505, false},
    };
    for (const Long& c : cases) {
        std::string line = std::string(c.keyAt, 'x') + key + std::string(40, 'y');
        std::string settings = "[Config]\r\n" + line + "\r\nz=1\r\n";
        std::string expected =
            c.found ? "[Config]\r\nUILanguage=2\r\nz=1\r\n" : settings + kBlock2;
        EXPECT_EQ(expected, Rewrite(settings, 2)) << c.what;
    }
}

TEST(SettingsRewrite, PiecesStartAfreshOnEveryLine) {
    // Counted from the start of the file the key would straddle byte 255;
    // counted from the start of its line it does not.
    std::string previous = "ppppp\r\n";
    std::string settings = previous + std::string(244, 'x') + "UILanguage=0\r\n";
    EXPECT_EQ(previous + "UILanguage=1\r\n", Rewrite(settings, 1));
    // A lone CR is a byte of the line: here it pushes the key over the boundary.
    std::string withCr = "\r" + std::string(244, 'x') + "UILanguage=0\r\n";
    EXPECT_EQ(withCr + kBlock1, Rewrite(withCr, 1));
}

TEST(SettingsRewrite, ResultThatDoesNotFitIsRefused) {
    std::string settings = "[Config]\r\nUILanguage=0\r\n";
    std::vector<char> out(settings.size() + 1, '#');
    size_t length = 99;
    // "UILanguage=10" is one byte longer than the old line.
    EXPECT_EQ(1, RewriteUiLanguageSetting(settings.data(), settings.size(), 10, out.data(), out.size(), &length));
    EXPECT_EQ(settings.size() + 1, length);
    EXPECT_EQ(0, RewriteUiLanguageSetting(settings.data(), settings.size(), 10, out.data(), out.size() - 1,
                                          &length));
    EXPECT_EQ(0u, length);

    std::string block = std::string(kBlock1);
    std::vector<char> blockOut(block.size());
    EXPECT_EQ(0, RewriteUiLanguageSetting("", 0, 1, blockOut.data(), block.size() - 1, &length));
    EXPECT_EQ(1, RewriteUiLanguageSetting("", 0, 1, blockOut.data(), block.size(), &length));
    EXPECT_EQ(block, std::string(blockOut.data(), length));
}

TEST(SettingsRewrite, DeclaredGrowthHoldsForTheLongestNumber) {
    EXPECT_EQ(std::string("\r\n[Config]\r\nUILanguage=-2147483648\r\n\r\n"), Rewrite("", -2147483647 - 1));
    EXPECT_EQ("UILanguage=-2147483648", Rewrite("UILanguage=", -2147483647 - 1));
}

}  // namespace

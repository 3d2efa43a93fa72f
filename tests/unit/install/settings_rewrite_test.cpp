#include "install/settings_rewrite.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <random>
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
        {"CR-only file keeps its other lines", "[UI_STR]\rA=b\r[Config]\rUILanguage=0\rZ=1\r", 2,
         "[UI_STR]\rA=b\r[Config]\rUILanguage=2\rZ=1\r"},
        {"CR-only: key on the first line", "UILanguage=0\rA=b", 1, "UILanguage=1\rA=b"},
        {"CR-only: key last without a break", "A=b\rx UILanguage=0", 1, "A=b\rUILanguage=1"},
        {"mixed breaks each kept", "a=1\r\nb=2\rc UILanguage=0\nd=4\r\n", 1,
         "a=1\r\nb=2\rUILanguage=1\nd=4\r\n"},
        {"LF then CR: the CR ends an empty line", "a\n\rUILanguage=0\r\n", 1, "a\n\rUILanguage=1\r\n"},
        {"CR-only file without the key", "[UI_STR]\rA=b\r", 1, std::string("[UI_STR]\rA=b\r") + kBlock1},
        {"LF-only file without the key", "[UI_STR]\nA=b\n", 1, std::string("[UI_STR]\nA=b\n") + kBlock1},
        {"key split by a lone CR is no key", "UILang\ruage=0\r", 1, std::string("UILang\ruage=0\r") + kBlock1},
        {"key straddling byte 255 of its line",
         "[Config]\r\n" + std::string(250, 'x') + "UILanguage=0" + std::string(40, 'y') + "\r\nz=1\r\n", 2,
         "[Config]\r\nUILanguage=2\r\nz=1\r\n"},
        {"key deep inside a very long line",
         "a=1\r" + std::string(100000, 'x') + "UILanguage=0" + std::string(100000, 'y') + "\rz=1", 2,
         "a=1\rUILanguage=2\rz=1"},
        {"very long lines around the key line",
         std::string(70000, 'x') + "\nUILanguage=0\n" + std::string(70000, 'y'), 1,
         std::string(70000, 'x') + "\nUILanguage=1\n" + std::string(70000, 'y')},
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

// Random files built line by line, so the expected result follows from how
// the file was made: the first line whose text holds the key gets the new
// text, every other byte stays; without such a line the block is appended.
TEST(SettingsRewrite, RandomFilesChangeOnlyTheKeyLine) {
    const char* const kPieces[] = {"UILanguage=", "UILanguage", "UILang", "uage=", "=", "Language=", "[Config]", "0"};
    const char* const kBreaks[] = {"\r", "\n", "\r\n"};
    const int kLanguages[] = {0, 1, 2, -7, INT_MAX, INT_MIN};
    std::mt19937 random(20261208);
    auto below = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> texts(below(10));
        std::vector<std::string> breaks(texts.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            size_t tokens = below(8);
            for (size_t t = 0; t < tokens; ++t) {
                if (below(3) == 0) {
                    texts[i] += kPieces[below(sizeof kPieces / sizeof *kPieces)];
                    continue;
                }
                // Any byte but a line break; now and then a long run.
                size_t run = below(40) == 0 ? 200 + below(2000) : 1 + below(6);
                for (size_t b = 0; b < run; ++b) {
                    char c = static_cast<char>(below(256));
                    texts[i] += c == '\r' || c == '\n' ? '\0' : c;
                }
            }
            bool last = i + 1 == texts.size();
            if (!last || below(2)) breaks[i] = kBreaks[below(3)];
        }
        int uiLanguage = kLanguages[below(sizeof kLanguages / sizeof *kLanguages)];
        std::string settings, expected;
        bool replaced = false;
        for (size_t i = 0; i < texts.size(); ++i) {
            settings += texts[i] + breaks[i];
            bool keyLine = !replaced && texts[i].find("UILanguage=") != std::string::npos;
            expected += (keyLine ? "UILanguage=" + std::to_string(uiLanguage) : texts[i]) + breaks[i];
            replaced = replaced || keyLine;
        }
        if (!replaced) expected += "\r\n[Config]\r\nUILanguage=" + std::to_string(uiLanguage) + "\r\n\r\n";

        ASSERT_LE(expected.size(), settings.size() + kSettingsRewriteGrowth) << round;
        ASSERT_EQ(expected, Rewrite(settings, uiLanguage)) << round;
        // One byte short of the result is refused, writing nothing past the end.
        std::vector<char> tight(expected.size() - 1);
        size_t length = 99;
        ASSERT_EQ(0, RewriteUiLanguageSetting(settings.data(), settings.size(), uiLanguage, tight.data(),
                                              tight.size(), &length))
            << round;
        ASSERT_EQ(0u, length) << round;
    }
}

}  // namespace

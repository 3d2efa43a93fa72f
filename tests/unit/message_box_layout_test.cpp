#include "setup/message_box_layout.h"

#include <gtest/gtest.h>

#include <cstring>

#include "setup/messages.h"

namespace {

// Every fixed message is shown whole: the box paints at most 79 bytes of
// its Chinese line and keeps at most 127 bytes of its English line.
TEST(MessageBoxLayout, EveryFixedMessageIsShownWhole) {
    const size_t kChineseShown = 79, kEnglishKept = 127;
    const char* const kMessages[][2] = {
        {kMessageNoMemoryChinese, kMessageNoMemoryEnglish},
        {kMessageNoGroupFolderChineseShort, kMessageNoGroupFolderEnglish},
        {kMessageNoStartMenuEntryChinese, kMessageNoStartMenuEntryEnglish},
        {kMessageNoFolderChinese, kMessageNoFolderEnglishFormat},
        {kMessageInstalledChinese, kMessageInstalledEnglish},
        {kMessageSpeechOfferChinese, kMessageSpeechOfferEnglish},
        {kMessageSpeechNotOpenedChinese, kMessageSpeechNotOpenedEnglish},
        {kMessageInstallFailedChinese, kMessageInstallFailedEnglish},
        {kMessageNotRestoredChinese, kMessageNotRestoredEnglish},
    };
    for (const auto& message : kMessages) {
        EXPECT_LE(std::strlen(message[0]), kChineseShown) << message[1];
        EXPECT_LE(std::strlen(message[1]), kEnglishKept) << message[1];
    }
}

// The metrics of a box on an 800 x 600 screen: a 110 x 29 button, the
// English line "Memory not enough!" 130 x 16, a Chinese line of twelve codes.
MessageBoxMetrics Example(int kind) {
    MessageBoxMetrics m = {};
    m.kind = kind;
    m.chineseBytes = 24;
    m.chineseWidth = 192;
    m.chineseHeight = 16;
    m.englishWidth = 130;
    m.englishHeight = 16;
    m.buttonWidth = 110;
    m.buttonHeight = 29;
    m.dialogFrameWidth = 3;
    m.captionHeight = 18;
    m.screenWidth = 800;
    m.screenHeight = 600;
    return m;
}

TEST(MessageBoxLayout, OkBoxWorkedExample) {
    MessageBoxLayout l = LayOutMessageBox(Example(0));
    EXPECT_EQ(256, l.contentWidth);
    EXPECT_EQ(167, l.contentHeight);
    EXPECT_EQ(272, l.boxX);
    EXPECT_EQ(216, l.boxY);
    EXPECT_EQ(256, l.boxWidth);
    EXPECT_EQ(185, l.boxHeight);
    EXPECT_EQ(1, l.firstId);
    EXPECT_EQ(0, l.showsSecond);
    EXPECT_EQ(73, l.firstX);
    EXPECT_EQ(109, l.firstY);
    EXPECT_EQ(10, l.chineseY);
    EXPECT_EQ(48, l.chineseHeight);
    EXPECT_EQ(63, l.englishY);
    EXPECT_EQ(32, l.englishHeight);
}

// The same box at glyph scale 2 (192 DPI): the Chinese line 32 high, and
// every line placed below it grows with it, the gap of 5 to 10.
TEST(MessageBoxLayout, LinesGrowWithTheChineseLine) {
    MessageBoxMetrics m = Example(0);
    m.chineseWidth = 384;
    m.chineseHeight = 32;
    m.englishHeight = 26;
    MessageBoxLayout l = LayOutMessageBox(m);
    EXPECT_EQ(3 * (32 + 29) + 2 * 26, l.contentHeight);
    EXPECT_EQ(21, l.chineseY);
    EXPECT_EQ(96, l.chineseHeight);
    EXPECT_EQ(96 + 21 + 10, l.englishY);
    EXPECT_EQ(52, l.englishHeight);
}

TEST(MessageBoxLayout, TwoButtonsSpanSevenThirdsCentredOnContent) {
    MessageBoxMetrics m = Example(1);
    m.chineseWidth = 500 - 6 - 58;  // content width 500
    MessageBoxLayout l = LayOutMessageBox(m);
    ASSERT_EQ(500, l.contentWidth);
    EXPECT_EQ(122, l.firstX);
    EXPECT_EQ(268, l.secondX);
    EXPECT_EQ(l.contentHeight - 43, l.firstY);
    EXPECT_EQ(l.firstY, l.secondY);
    EXPECT_EQ(1, l.showsSecond);
}

TEST(MessageBoxLayout, KindsSelectButtonPairs) {
    struct Case { int kind, first, second, shows, minimumButtons; };
    const Case cases[] = {
        {0, 1, 2, 0, 2}, {1, 1, 2, 1, 3}, {2, 1, 2, 1, 3},
        {3, 1, 2, 1, 3}, {5, 1, 2, 1, 3}, {4, 6, 7, 1, 3},
    };
    for (const Case& c : cases) {
        MessageBoxMetrics m = Example(c.kind);
        m.chineseWidth = m.englishWidth = 0;  // tiny texts: the minimum width rules
        MessageBoxLayout l = LayOutMessageBox(m);
        EXPECT_EQ(c.first, l.firstId) << c.kind;
        EXPECT_EQ(c.second, l.secondId) << c.kind;
        EXPECT_EQ(c.shows, l.showsSecond) << c.kind;
        EXPECT_EQ(c.minimumButtons * 110, l.boxWidth) << c.kind;
        // Buttons stay centred on the content, left of the window's middle.
        EXPECT_LT(l.firstX, (l.boxWidth - 110) / 2) << c.kind;
    }
}

TEST(MessageBoxLayout, ShortLinesGetButtonHeightMargins) {
    MessageBoxMetrics m = Example(0);
    m.chineseBytes = 80;
    int with = LayOutMessageBox(m).contentWidth;
    m.chineseBytes = 81;
    int without = LayOutMessageBox(m).contentWidth;
    EXPECT_EQ(2 * 29, with - without);
}

TEST(MessageBoxLayout, NoEnglishLineCountsNoRows) {
    MessageBoxMetrics m = Example(0);
    m.englishWidth = m.englishHeight = 0;
    MessageBoxLayout l = LayOutMessageBox(m);
    EXPECT_EQ(3 * (16 + 29), l.contentHeight);
    EXPECT_EQ(0, l.englishHeight);
    EXPECT_EQ(192 + 6 + 58, l.contentWidth);  // the Chinese line alone decides
}

TEST(MessageBoxLayout, TextWiderThanScreenGivesNegativeLeftTruncatedTowardZero) {
    MessageBoxMetrics m = Example(0);
    m.chineseBytes = 200;
    m.chineseWidth = 801 - 6;  // content 801 on an 800 screen
    MessageBoxLayout l = LayOutMessageBox(m);
    EXPECT_EQ(801, l.contentWidth);
    EXPECT_EQ(0, l.boxX);  // -1 / 2 is 0, not -1
    m.chineseWidth = 1200;
    EXPECT_EQ((800 - 1206) / 2, LayOutMessageBox(m).boxX);
    EXPECT_LT(LayOutMessageBox(m).boxX, 0);
}

}  // namespace

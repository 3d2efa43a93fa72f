#include "setup/licence_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(std::string text, int maxLines = kLicenceMaxLines) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    std::vector<const char*> lines(static_cast<size_t>(maxLines) + 1, nullptr);
    int n = SplitLicenceLines(buffer.data(), lines.data(), maxLines);
    EXPECT_EQ(nullptr, lines[static_cast<size_t>(maxLines)]) << "wrote past maxLines";
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(lines[static_cast<size_t>(i)]);
    return out;
}

using Lines = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text;
    Lines expected;
};

const SplitCase kCases[] = {
    {"CR LF ends lines", "一行\r\n二行\r\n", {"一行", "二行"}},
    {"empty lines are lines", "a\r\n\r\nb\r\n", {"a", "", "b"}},
    {"a lone CR ends a line", "a\rb\r", {"a", "b"}},
    {"a lone LF stays in its line", "a\nb\r\nc\r\n", {"a\nb", "c"}},
    {"CR LF LF keeps the second LF", "a\r\n\nb\r\n", {"a", "\nb"}},
    {"a last line without CR is shown", "a\r\nlast", {"a", "last"}},
    {"a text without any break is one line", "only", {"only"}},
    {"an empty text has no lines", "", {}},
};

TEST(LicenceLines, SplitsAtLineBreaks) {
    for (const SplitCase& c : kCases) EXPECT_EQ(c.expected, Split(c.text)) << c.name;
}

TEST(LicenceLines, ShippedShapeGivesOneLinePerCrLf) {
    std::string text;
    for (int i = 0; i < 65; ++i) text += "第" + std::to_string(i) + "行\r\n";
    Lines lines = Split(text);
    ASSERT_EQ(65u, lines.size());
    EXPECT_EQ("第0行", lines.front());
    EXPECT_EQ("第64行", lines.back());
}

TEST(LicenceLines, StopsAtTheLineLimit) {
    std::string text;
    for (int i = 0; i < 600; ++i) text += std::to_string(i) + "\r\n";
    Lines lines = Split(text);
    ASSERT_EQ(static_cast<size_t>(kLicenceMaxLines), lines.size());
    EXPECT_EQ("499", lines.back());
    EXPECT_EQ(3u, Split(text, 3).size());
}

TEST(LicenceLines, TheLastLineCountsTowardTheLimit) {
    std::string text;
    for (int i = 0; i < kLicenceMaxLines - 1; ++i) text += "x\r\n";
    Lines lines = Split(text + "tail");
    ASSERT_EQ(static_cast<size_t>(kLicenceMaxLines), lines.size());
    EXPECT_EQ("tail", lines.back());
    EXPECT_EQ(static_cast<size_t>(kLicenceMaxLines), Split(text + "tail\r\nmore").size());
}

// The list items of lines as the program lays them out: measured first,
// then written into exactly that room.
std::vector<std::string> Items(const std::vector<std::string>& lines) {
    std::vector<const char*> starts;
    for (const std::string& line : lines) starts.push_back(line.c_str());
    const int count = static_cast<int>(starts.size());
    int measuredItems = -1, itemCount = -1;
    const size_t bytes = LayOutLicenceItems(starts.data(), count, nullptr, &measuredItems);
    std::vector<char> items(bytes + 1, 'x');
    EXPECT_EQ(bytes, LayOutLicenceItems(starts.data(), count, items.data(), &itemCount));
    EXPECT_EQ(measuredItems, itemCount);
    EXPECT_EQ('x', items[bytes]) << "wrote past the room measured";
    std::vector<std::string> result;
    for (size_t at = 0; at < bytes; at += result.back().size() + 1) result.emplace_back(items.data() + at);
    EXPECT_EQ(static_cast<size_t>(itemCount), result.size());
    return result;
}

// Pieces of a line as the list gets them: each shorter than the line buffer,
// never a GBK character cut in two, nothing lost.
std::vector<std::string> Pieces(const std::string& line) { return Items({line}); }

TEST(LicenceLines, EveryLineBecomesItemsInOrder) {
    const std::string longLine(kLicenceLineCapacity, 'b');
    const std::vector<std::string> items = Items({"first", "", longLine, "last"});
    const std::vector<std::string> expected = {"first", "", longLine.substr(0, kLicenceLineCapacity - 1), "b", "last"};
    EXPECT_EQ(expected, items);
    EXPECT_TRUE(Items({}).empty());
}

TEST(LicenceLines, ALongLineIsShownInPiecesOfWholeCharacters) {
    const size_t room = kLicenceLineCapacity - 1;
    const std::string han = "\xD0\xED";  // one GBK character
    struct PieceCase {
        const char* name;
        std::string line;
        std::vector<size_t> lengths;
    } cases[] = {
        {"empty", "", {0}},
        {"fits", std::string(room, 'a'), {room}},
        {"one byte over", std::string(room + 1, 'a'), {room, 1}},
        {"Chinese, even", [&] { std::string t; for (int i = 0; i < 200; ++i) t += han; return t; }(),
         {room - 1, 400 - (room - 1)}},
        {"a character across the cut moves on", "a" + [&] { std::string t; for (int i = 0; i < 200; ++i) t += han; return t; }(),
         {room, 401 - room}},
        {"a lone lead byte at the end", std::string(room - 1, 'a') + "\xD0", {room}},
    };
    for (const PieceCase& c : cases) {
        std::vector<std::string> pieces = Pieces(c.line);
        std::vector<size_t> lengths;
        std::string joined;
        for (const std::string& piece : pieces) {
            lengths.push_back(piece.size());
            joined += piece;
        }
        EXPECT_EQ(c.lengths, lengths) << c.name;
        EXPECT_EQ(c.line, joined) << c.name;
    }
}

TEST(LicenceLines, ATextThatFillsTheBufferIsRefused) {
    std::vector<char> buffer(kLicenceBufferSize + 1, 'x');
    EXPECT_EQ(0, TerminateLicenceText(buffer.data(), kLicenceBufferSize, kLicenceBufferSize));
    EXPECT_EQ('x', buffer[kLicenceBufferSize]) << "wrote past the buffer";
    ASSERT_EQ(1, TerminateLicenceText(buffer.data(), kLicenceBufferSize, kLicenceBufferSize - 1));
    EXPECT_EQ('\0', buffer[kLicenceBufferSize - 1]);
    ASSERT_EQ(1, TerminateLicenceText(buffer.data(), kLicenceBufferSize, 0));
    EXPECT_EQ('\0', buffer[0]);
}

}  // namespace

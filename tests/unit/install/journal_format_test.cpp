#include "install/journal_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const PayloadEntry kTable[] = {
    {200, "gbk2b5.bin", 1, 1, 10},
    {192, "LectorQuilleryUnInstall.exe", 0, 0, 20},
    {120, "QuilleryUI.ini", 1, 1, 30},
};
const int kCount = 3;
const RunId kRun = MakeRunId(0x42, 0x1badcafe);

std::string Compose(const std::vector<unsigned char>& kept, JournalState state = kJournalUndo) {
    char out[kJournalCapacity];
    const JournalContents contents = {kRun, state, static_cast<int>(kept.size()), kept.data()};
    const size_t length = ComposeJournal(out, sizeof out, contents, kTable);
    return std::string(out, length);
}

int Parse(const std::string& bytes, std::vector<unsigned char>* kept, JournalContents* contents,
          const PayloadEntry* table = kTable) {
    kept->assign(kCount, 9);
    return ParseJournal(bytes.data(), bytes.size(), table, kCount, kept->data(), contents);
}

TEST(JournalFormat, NamesTheRunItsStagingNamesAndWhatIsKept) {
    const std::string journal = Compose({1, 0, 1});
    EXPECT_EQ(
        "LectorQuillery journal 1\r\n"
        "run\t00000042" "1badcafe\r\n"
        "0\tgbk2b5.bin\t~lq000000421badcafe-0.new\t~lq000000421badcafe-0.old\r\n"
        "1\tLectorQuilleryUnInstall.exe\t~lq000000421badcafe-1.new\t-\r\n"
        "2\tQuilleryUI.ini\t~lq000000421badcafe-2.new\t~lq000000421badcafe-2.old\r\n",
        journal.substr(0, journal.find("check")));
    EXPECT_EQ("state\tundo\r\n", journal.substr(journal.size() - 12));
    std::vector<unsigned char> kept;
    JournalContents contents;
    ASSERT_EQ(1, Parse(journal, &kept, &contents));
    EXPECT_STREQ(kRun.text, contents.run.text);
    EXPECT_EQ(kJournalUndo, contents.state);
    EXPECT_EQ((std::vector<unsigned char>{1, 0, 1}), kept);
}

TEST(JournalFormat, StateIsRewrittenInPlace) {
    std::string journal = Compose({0, 1, 0});
    journal.replace(JournalStateOffset(journal.size()), kJournalStateLength, JournalStateText(kJournalDone));
    EXPECT_EQ(Compose({0, 1, 0}, kJournalDone), journal);
    std::vector<unsigned char> kept;
    JournalContents contents;
    ASSERT_EQ(1, Parse(journal, &kept, &contents));
    EXPECT_EQ(kJournalDone, contents.state);
}

// Nothing but a whole, unchanged journal of this table is read: a journal
// cut short at any byte, changed in any byte, or naming anything else.
TEST(JournalFormat, AnythingButAWholeJournalOfTheTableIsNotRead) {
    const std::string journal = Compose({1, 1, 0});
    std::vector<unsigned char> kept;
    JournalContents contents;
    for (size_t length = 0; length < journal.size(); ++length)
        EXPECT_EQ(0, Parse(journal.substr(0, length), &kept, &contents)) << length;
    const size_t state = JournalStateOffset(journal.size());
    for (size_t at = 0; at < journal.size(); ++at) {
        std::string changed = journal;
        changed[at] ^= (at >= state && at < state + kJournalStateLength) ? 0x20 : 0x01;
        EXPECT_EQ(0, Parse(changed, &kept, &contents)) << at;
    }
    EXPECT_EQ(0, Parse(journal + "x", &kept, &contents));
    const PayloadEntry otherTable[] = {kTable[0], {201, "ch2py.bin", 1, 1, 10}, kTable[2]};
    EXPECT_EQ(0, Parse(journal, &kept, &contents, otherTable));
    const char* const hostile[] = {
        "LectorQuillery journal 2\r\n",
        "0\t..\\..\\Windows\\system.ini\t~lq000000421badcafe-0.new\t-\r\n",
        "0\tgbk2b5.bin\tC:\\Windows\\x.new\t-\r\n",
    };
    for (const char* line : hostile) {
        std::string planted = journal;
        const bool magic = std::string(line).find("journal") != std::string::npos;
        const size_t at = magic ? 0 : planted.find("0\t");
        const size_t end = planted.find("\r\n", at) + 2;
        planted.replace(at, end - at, line);
        EXPECT_EQ(0, Parse(planted, &kept, &contents)) << line;
    }
}

TEST(JournalFormat, JournalThatWouldNotFitIsNotComposed) {
    char out[64];
    const unsigned char kept[kCount] = {1, 1, 1};
    const JournalContents contents = {kRun, kJournalUndo, kCount, kept};
    EXPECT_EQ(0u, ComposeJournal(out, sizeof out, contents, kTable));
}

}  // namespace

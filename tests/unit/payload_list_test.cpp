#include "payload_list.h"

#include <gtest/gtest.h>

namespace {

const char kSpeechLine[] = "1029 Sapi51forKorvo.msi 0 0 1033 speech\n";

TEST(PayloadList, ReadsColumnsAndKeepsOrder) {
    std::vector<PayloadListEntry> entries;
    std::string error;
    ASSERT_TRUE(ParsePayloadList("# comment\n\n200 gbk2b5.bin 1 1 0 install\r\n"
                                 "192 LectorQuilleryUnInstall.exe 0 0 0 install\n" +
                                     std::string(kSpeechLine),
                                 &entries, &error))
        << error;
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ(200u, entries[0].resourceId);
    EXPECT_EQ("gbk2b5.bin", entries[0].fileName);
    EXPECT_TRUE(entries[0].readOnly);
    EXPECT_TRUE(entries[0].hidden);
    EXPECT_FALSE(entries[1].readOnly);
    EXPECT_FALSE(entries[1].hidden);
    EXPECT_EQ(1033u, entries[2].language);
    EXPECT_EQ(PayloadRole::Speech, entries[2].role);
}

struct BadList {
    const char* what;
    std::string text;
};

TEST(PayloadList, RefusesMalformedLists) {
    const BadList cases[] = {
        {"five columns", "200 a.bin 1 1 0\n"},
        {"seven columns", "200 a.bin 1 1 0 install extra\n"},
        {"flag not 0/1", "200 a.bin 2 1 0 install\n"},
        {"id zero", "0 a.bin 1 1 0 install\n"},
        {"id too large", "65536 a.bin 1 1 0 install\n"},
        {"id not a number", "2x0 a.bin 1 1 0 install\n"},
        {"unknown role", "200 a.bin 1 1 0 atlas\n"},
        {"quote in name", "200 a\".bin 1 1 0 install\n"},
        {"backslash in name", "200 ..\\a.bin 1 1 0 install\n"},
        {"duplicate id", "200 a.bin 1 1 0 install\n200 b.bin 1 1 0 install\n"},
        {"duplicate name", "200 a.bin 1 1 0 install\n201 a.bin 1 1 0 install\n"},
        {"no speech entry", "200 a.bin 1 1 0 install\n"},
        {"two speech entries", "200 a.bin 1 1 0 speech\n"},
    };
    for (const BadList& c : cases) {
        std::vector<PayloadListEntry> entries;
        std::string error;
        std::string text = c.text;
        if (std::string(c.what) != "no speech entry") text += kSpeechLine;
        EXPECT_FALSE(ParsePayloadList(text, &entries, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

TEST(PayloadList, ErrorNamesTheLine) {
    std::vector<PayloadListEntry> entries;
    std::string error;
    EXPECT_FALSE(ParsePayloadList("# head\n200 a.bin 1 1 0 install\n201 b.bin 1\n", &entries, &error));
    EXPECT_EQ(0u, error.find("line 3:")) << error;
}

}  // namespace

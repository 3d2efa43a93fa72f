// The packer's own rules: the payload list, and the pack plan (which
// compressor for which file, in which order, how many files at once).
#include "payload_list.h"

#include <gtest/gtest.h>

#include "pack_plan.h"

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

struct PlanCase {
    const char* what;
    std::vector<unsigned long long> sizes;
    std::vector<std::string> settings;
};

TEST(PackPlan, GivesZopfliTheSmallestFilesOfASmallPayloadWithIterationsBySize) {
    const PlanCase cases[] = {
        {"a small payload: zopfli, fewer iterations for a larger file",
         {1000, 400000, 100000},
         {"zopfli-i50", "zopfli-i20", "zopfli-i50"}},
        // 3.4 MB in all leave zopfli a share of 1,672,152 bytes.
        {"the smallest files within zopfli's share",
         {600000, 500000, 2000000, 300000},
         {"zopfli-i13", "zopfli-i16", "libdeflate-12", "zopfli-i27"}},
        {"equal sizes in list order", {700000, 700000, 700000}, {"zopfli-i11", "zopfli-i11", "libdeflate-12"}},
        {"no share from 16 MiB on", {1000, 16ull << 20}, {"libdeflate-12", "libdeflate-12"}},
        {"a file of nothing", {0}, {"zopfli-i50"}},
    };
    for (const PlanCase& c : cases) {
        std::vector<StreamSettings> plan = PlanSettings(c.sizes);
        ASSERT_EQ(c.settings.size(), plan.size()) << c.what;
        for (size_t i = 0; i < plan.size(); ++i) EXPECT_EQ(c.settings[i], SettingsName(plan[i])) << c.what << " " << i;
    }
}

TEST(PackPlan, PacksTheLargestFirst) {
    EXPECT_EQ((std::vector<size_t>{1, 0, 2, 3}), PackingOrder({5, 9, 5, 1}));
}

struct ChoiceCase {
    const char* what;
    std::vector<unsigned long long> waitingNeeds;
    unsigned long long inUse;
    int running;
    int chosen;
};

TEST(PackPlan, StartsAFileOnlyWithinTheBudgetOrAlone) {
    const unsigned long long budget = 100;
    const ChoiceCase cases[] = {
        {"alone, however large", {500, 10}, 0, 0, 0},
        {"the first that fits beside the others", {500, 60, 40}, 50, 1, 2},
        {"exactly the budget", {50}, 50, 1, 0},
        {"none fits: wait", {500, 60}, 50, 2, -1},
        {"nothing waits", {}, 0, 0, -1},
    };
    for (const ChoiceCase& c : cases) EXPECT_EQ(c.chosen, ChooseNextFile(c.waitingNeeds, c.inUse, c.running, budget)) << c.what;
}

}  // namespace

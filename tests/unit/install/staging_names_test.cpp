#include "install/staging_names.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <strings.h>

#include "base/target_path.h"
#include "payload_list.h"

namespace {

const RunId kRun = MakeRunId(0x1234, 0xdeadbeef);

TEST(StagingNames, EachRunEntryAndRoleHasItsOwnNameInTheFolder) {
    EXPECT_STREQ("00001234deadbeef", kRun.text);
    EXPECT_STREQ("ffffffff00000000", MakeRunId(0xFFFFFFFFul, 0).text);
    struct Case {
        RunId run;
        int index;
        StagingRole role;
        const char* expected;
    };
    const Case cases[] = {
        {kRun, 0, kStagedNew, "C:\\App\\~lq00001234deadbeef-0.new"},
        {kRun, 0, kKeptPrevious, "C:\\App\\~lq00001234deadbeef-0.old"},
        {kRun, 17, kStagedNew, "C:\\App\\~lq00001234deadbeef-17.new"},
        // The same process again: other random bits, other names.
        {MakeRunId(0x1234, 0xdeadbeee), 17, kStagedNew, "C:\\App\\~lq00001234deadbeee-17.new"},
    };
    std::set<std::string> names;
    for (const Case& c : cases) {
        char out[kPathCapacity];
        ASSERT_EQ(1, ComposeStagingPath(out, sizeof out, "C:\\App", c.run, c.index, c.role));
        EXPECT_STREQ(c.expected, out);
        names.insert(out);
        EXPECT_EQ(c.role == kStagedNew ? kOwnStagedNew : kOwnKeptPrevious, ClassifyOwnName(out + 7)) << out;
    }
    EXPECT_EQ(std::size(cases), names.size());
    char journal[32];
    ASSERT_EQ(1, ComposeJournalName(journal, sizeof journal, kRun));
    EXPECT_STREQ("~lq00001234deadbeef.jnl", journal);
}

TEST(StagingNames, NameThatWouldNotFitIsRefused) {
    const std::string folder(kPathCapacity - sizeof "\\~lq00001234deadbeef-2.new", 'f');
    char out[kPathCapacity];
    EXPECT_EQ(1, ComposeStagingPath(out, sizeof out, folder.c_str(), kRun, 2, kStagedNew));
    EXPECT_EQ(0, ComposeStagingPath(out, sizeof out, folder.c_str(), kRun, 23, kStagedNew));
    EXPECT_STREQ("", out);
}

// Leftovers are removed by their names alone: only names the installer
// writes (or wrote before its journal) may count.
TEST(StagingNames, OnlyTheInstallersOwnNamesCountAsLeftovers) {
    struct Case {
        const char* name;
        OwnNameKind kind;
    };
    const Case cases[] = {
        {"~lq1234-5.new", kOwnStagedNew},  // an installer before the run ids
        {"~LQ1234-5.OLD", kOwnKeptPrevious},
        {"~lq00001234deadbeef.jnl", kOwnJournal},
        {"~lq00001234DEADBEEF.JNL", kOwnJournal},
        {"lqs1A2B.TMP", kOwnSettingsTemporary},
        {"lqs7.tmp", kOwnSettingsTemporary},
        {"~lq1234.jnl", kNotOwnName},  // a journal's run id is whole
        {"~lq00001234deadbeef0-1.new", kNotOwnName},
        {"~lq-1.new", kNotOwnName},
        {"~lq12-1234.new", kNotOwnName},
        {"~lq12-.new", kNotOwnName},
        {"~lq12-1.new.txt", kNotOwnName},
        {"~lq12-1.newer", kNotOwnName},
        {"~lq12-1.bak", kNotOwnName},
        {"~lq12-1", kNotOwnName},
        {"~lqxyz-1.new", kNotOwnName},
        {"~lq12-1\\..\\x.new", kNotOwnName},
        {"lqs12345.tmp", kNotOwnName},
        {"lqs.tmp", kNotOwnName},
        {"lqsG1.tmp", kNotOwnName},
        {"QuilleryUI.ini", kNotOwnName},
        {"", kNotOwnName},
    };
    for (const Case& c : cases) EXPECT_EQ(c.kind, ClassifyOwnName(c.name)) << c.name;
}

TEST(StagingNames, NoPayloadFileTakesAStagingName) {
    std::ifstream in(LQ_PAYLOAD_LIST, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<PayloadListEntry> entries;
    std::string error;
    ASSERT_TRUE(ParsePayloadList(text.str(), &entries, &error)) << error;
    ASSERT_FALSE(entries.empty());
    const size_t prefixLength = std::string(kStagingPrefix).size();
    for (const PayloadListEntry& e : entries) {
        EXPECT_NE(0, strncasecmp(e.fileName.c_str(), kStagingPrefix, prefixLength)) << e.fileName;
        EXPECT_EQ(kNotOwnName, ClassifyOwnName(e.fileName.c_str())) << e.fileName;
    }
}

}  // namespace

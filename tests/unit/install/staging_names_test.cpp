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

TEST(StagingNames, EachRunEntryAndRoleHasItsOwnNameInTheFolder) {
    struct Case {
        int runId, index;
        StagingRole role;
        const char* expected;
    };
    const Case cases[] = {
        {4242, 0, kStagedNew, "C:\\App\\~lq4242-0.new"},
        {4242, 0, kKeptPrevious, "C:\\App\\~lq4242-0.old"},
        {4242, 17, kStagedNew, "C:\\App\\~lq4242-17.new"},
        {7, 17, kStagedNew, "C:\\App\\~lq7-17.new"},
    };
    std::set<std::string> names;
    for (const Case& c : cases) {
        char out[kPathCapacity];
        ASSERT_EQ(1, ComposeStagingPath(out, sizeof out, "C:\\App", c.runId, c.index, c.role));
        EXPECT_STREQ(c.expected, out);
        names.insert(out);
    }
    EXPECT_EQ(std::size(cases), names.size());
}

TEST(StagingNames, NameThatWouldNotFitIsRefused) {
    const std::string folder(kPathCapacity - sizeof "\\~lq1-2.new", 'f');
    char out[kPathCapacity];
    EXPECT_EQ(1, ComposeStagingPath(out, sizeof out, folder.c_str(), 1, 2, kStagedNew));
    EXPECT_EQ(0, ComposeStagingPath(out, sizeof out, folder.c_str(), 1, 23, kStagedNew));
    EXPECT_STREQ("", out);
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
    for (const PayloadListEntry& e : entries)
        EXPECT_NE(0, strncasecmp(e.fileName.c_str(), kStagingPrefix, prefixLength)) << e.fileName;
}

}  // namespace

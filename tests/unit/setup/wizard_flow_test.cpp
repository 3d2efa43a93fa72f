#include "setup/wizard_flow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

enum Button { kNext, kBack, kCancel };

struct MoveCase {
    int state;
    Button button;
    WizardMove expected;
};

// Fields: switch checked, page before, new state, page after, folder check.
const MoveCase kMoves[] = {
    {0, kNext, {0, kNoPage, 1, 1, 0}},
    {1, kNext, {1, kNoPage, 2, 2, 0}},
    {2, kNext, {0, 2, 99, kNoPage, 1}},
    {3, kNext, {0, kNoPage, 3, kNoPage, 1}},
    {50, kNext, {0, kNoPage, 50, kNoPage, 1}},
    {98, kNext, {0, kNoPage, 98, kNoPage, 1}},
    {99, kNext, {0, kNoPage, 99, kNoPage, 1}},
    {-1, kNext, {0, kNoPage, -1, kNoPage, 0}},

    {0, kBack, {0, kNoPage, 0, kNoPage, 0}},
    {1, kBack, {0, kNoPage, 0, 0, 0}},
    {2, kBack, {0, kNoPage, 1, 1, 0}},
    {3, kBack, {0, kNoPage, 2, 2, 0}},
    {50, kBack, {0, kNoPage, 49, 49, 0}},
    {98, kBack, {0, kNoPage, 97, 97, 0}},
    {99, kBack, {0, kNoPage, 98, 98, 0}},
    {-1, kBack, {0, kNoPage, -1, kNoPage, 0}},

    {0, kCancel, {0, kNoPage, -1, kNoPage, 0}},
    {1, kCancel, {0, kNoPage, -1, kNoPage, 0}},
    {2, kCancel, {0, kNoPage, -1, kNoPage, 0}},
    {3, kCancel, {0, kNoPage, -1, kNoPage, 0}},
    {98, kCancel, {0, kNoPage, -1, kNoPage, 0}},
    {99, kCancel, {0, kNoPage, -1, kNoPage, 0}},
};

WizardMove Press(int state, Button button) {
    switch (button) {
    case kNext:
        return NextMove(state);
    case kBack:
        return BackMove(state);
    default:
        return CancelMove(state);
    }
}

TEST(WizardFlow, EveryStateWithEveryButton) {
    for (const MoveCase& c : kMoves) {
        SCOPED_TRACE(testing::Message() << "state " << c.state << " button " << c.button);
        WizardMove m = Press(c.state, c.button);
        EXPECT_EQ(c.expected.checksLicenceSwitch, m.checksLicenceSwitch);
        EXPECT_EQ(c.expected.pageBefore, m.pageBefore);
        EXPECT_EQ(c.expected.newState, m.newState);
        EXPECT_EQ(c.expected.pageAfter, m.pageAfter);
        EXPECT_EQ(c.expected.checksFolder, m.checksFolder);
    }
}

// A wizard on paper: the state and the pages shown, move after move.
struct Walk {
    int state = kWizardFolderPage;
    std::vector<int> pages;
    int folderChecks = 0;
    void Do(Button button) {
        WizardMove m = Press(state, button);
        if (m.pageBefore != kNoPage) pages.push_back(m.pageBefore);
        state = m.newState;
        if (m.pageAfter != kNoPage) pages.push_back(m.pageAfter);
        folderChecks += m.checksFolder;
    }
};

TEST(WizardFlow, AfterAFailedFolderCheckBackShowsTheFolderPageAndNextChecksAtOnce) {
    Walk w;
    w.Do(kNext);
    w.Do(kNext);
    w.Do(kNext);  // Agree/Install: the folder check fails, the state stays
    EXPECT_EQ(kWizardInstallRequested, w.state);
    EXPECT_EQ(1, w.folderChecks);
    w.Do(kBack);
    EXPECT_EQ(98, w.state);
    EXPECT_EQ((std::vector<int>{1, 2, 2, 98}), w.pages);
    w.Do(kNext);  // no language or licence page in between
    EXPECT_EQ(2, w.folderChecks);
    EXPECT_EQ(98, w.state);
    EXPECT_EQ(4u, w.pages.size());
}

TEST(WizardFlow, BackFromThreeReachesTheLicencePageAndNextThenAsksAgain) {
    Walk w;
    w.state = 3;
    w.Do(kBack);
    EXPECT_EQ(kWizardLicencePage, w.state);
    EXPECT_EQ(std::vector<int>{2}, w.pages);
    w.Do(kNext);
    EXPECT_EQ(kWizardInstallRequested, w.state);
    EXPECT_EQ(1, w.folderChecks);
}

TEST(WizardFlow, BackWalksDownToTheFirstPageAndStopsThere) {
    Walk w;
    w.state = 2;
    for (int i = 0; i < 5; ++i) w.Do(kBack);
    EXPECT_EQ(kWizardFolderPage, w.state);
    EXPECT_EQ((std::vector<int>{1, 0}), w.pages);
}

}  // namespace

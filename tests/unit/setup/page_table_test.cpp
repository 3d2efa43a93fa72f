#include "setup/page_table.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"

namespace {

const int kFolderGroup[] = {IDC_PATH_FIELD, IDC_BROWSE, IDC_DESKTOP_OPTION, IDC_AUTOSTART_OPTION,
                            IDC_PATH_LABEL};
const int kLanguageGroup[] = {IDC_LANGUAGE_LABEL, IDC_LANGUAGE_LIST};

// Whether control id shows on page, looked up in both tables.
int Shown(int id, int page, int englishChecked) {
    for (int i = 0; i < PageGroupCount; ++i)
        if (PageGroups[i].controlId == id) return IsShownOn(PageGroups[i], page, englishChecked);
    for (int i = 0; i < LicenceTextCount; ++i)
        if (LicenceTexts[i].controlId == id) return IsShownOn(LicenceTexts[i], page, englishChecked);
    ADD_FAILURE() << "control " << id << " is in no table";
    return -1;
}

struct PageCase {
    int page;
    int folder, language, licenceSwitch;
};

// Pages 3 to 98 are the folder page reached back from a failed folder check.
const PageCase kPages[] = {
    {0, 1, 0, 0}, {1, 0, 1, 0}, {2, 0, 0, 1}, {3, 1, 0, 0}, {50, 1, 0, 0}, {98, 1, 0, 0},
};

TEST(PageTable, EachPageShowsItsOwnGroupOnly) {
    for (const PageCase& c : kPages) {
        for (int english = 0; english <= 1; ++english) {
            SCOPED_TRACE(testing::Message() << "page " << c.page << " english " << english);
            for (int id : kFolderGroup) EXPECT_EQ(c.folder, Shown(id, c.page, english)) << id;
            for (int id : kLanguageGroup) EXPECT_EQ(c.language, Shown(id, c.page, english)) << id;
            EXPECT_EQ(c.licenceSwitch, Shown(IDC_LICENCE_SWITCH, c.page, english));
        }
    }
}

TEST(PageTable, TheSwitchChoosesBetweenEnglishTextAndChineseList) {
    EXPECT_EQ(1, Shown(IDC_LICENCE_ENGLISH, 2, 1));
    EXPECT_EQ(0, Shown(IDC_LICENCE_LIST, 2, 1));
    EXPECT_EQ(0, Shown(IDC_LICENCE_ENGLISH, 2, 0));
    EXPECT_EQ(1, Shown(IDC_LICENCE_LIST, 2, 0));
    for (int page : {0, 1, 3, 98})
        for (int english = 0; english <= 1; ++english) {
            EXPECT_EQ(0, Shown(IDC_LICENCE_ENGLISH, page, english)) << page;
            EXPECT_EQ(0, Shown(IDC_LICENCE_LIST, page, english)) << page;
        }
}

TEST(PageTable, OnlyTheLicencePageNeedsTheLicence) {
    EXPECT_EQ(1, PageNeedsLicence(2));
    for (int page : {0, 1, 3, 98, 99}) EXPECT_EQ(0, PageNeedsLicence(page)) << page;
}

struct BackCase {
    int state, page;
    BackButtonAction expected;
};

const BackCase kBackCases[] = {
    {0, 0, kBackHiddenDisabled},  {1, 1, kBackShownEnabled}, {2, 2, kBackShownEnabled},
    {1, 0, kBackHiddenDisabled},  {98, 98, kBackShownEnabled}, {3, 3, kBackShownEnabled},
    {3, 2, kBackShownEnabled},    {99, 2, kBackKept},         {99, 0, kBackKept},
    {-1, 1, kBackKept},           {100, 1, kBackKept},
};

TEST(PageTable, BackFollowsThePageWhileTheWizardWalksItsPages) {
    for (const BackCase& c : kBackCases)
        EXPECT_EQ(c.expected, BackButtonFor(c.state, c.page)) << "state " << c.state << " page " << c.page;
}

}  // namespace

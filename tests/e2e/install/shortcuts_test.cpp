// The shortcut operations under Wine: groups with and without a name, folders
// and paths that get in the way, paths too long for their buffers, the
// ANSI calls of a platform that is not NT, and the folders built by hand
// for the oldest shells.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "install/file_calls.h"
#include "install/run_installation.h"
#include "install/shortcuts.h"
#include "install_fixture.h"
#include "setup/program_state.h"
#include "setup/system_facts.h"

namespace {

const int kPrograms = 2, kStartup = 7;  // CSIDL_PROGRAMS, CSIDL_STARTUP
const char kGroup[] = "Korvo LectorQuillery";
const char kFolderMessageEnglish[] = "Cannot create folder!";
const char kStartMenuEnglish[] = "Failed to create an entry on Start Menu.";
const ShortcutEntry kTwoEntries[] = {
    {"Korvo LectorQuillery", "LectorQuillery.exe"},
    {"UnInstall LectorQuillery", "LectorQuilleryUnInstall.exe"},
    {nullptr, nullptr},
};
const ShortcutEntry kNoEntries[] = {{nullptr, nullptr}};

std::vector<std::string> Names(std::initializer_list<const char*> names) {
    return std::vector<std::string>(names.begin(), names.end());
}

std::string WindowsDirectory() {
    char directory[MAX_PATH] = "";
    GetWindowsDirectoryA(directory, sizeof directory);
    return directory;
}

std::string UserName() {
    char name[256] = "";
    DWORD size = sizeof name;
    GetUserNameA(name, &size);
    return name;
}

class Shortcuts : public InstallFixture {
protected:
    // The link at linkPath points at targetFile in the installation folder,
    // with its first icon, that folder as working directory, and the name.
    void ExpectLink(const std::string& linkPath, const char* name, const char* targetFile) {
        const LinkContents link = ReadLink(Wide(linkPath));
        ASSERT_TRUE(link.loaded) << linkPath;
        EXPECT_EQ(Wide(install_ + "\\" + targetFile), link.target) << linkPath;
        EXPECT_EQ(Wide(install_ + "\\" + targetFile), link.icon) << linkPath;
        EXPECT_EQ(0, link.iconIndex) << linkPath;
        EXPECT_EQ(Wide(install_), link.workingDirectory) << linkPath;
        EXPECT_EQ(Wide(name), link.description) << linkPath;
    }
};

TEST_F(Shortcuts, EmptyListMakesTheGroupFolderAndSucceeds) {
    EXPECT_EQ(1, CreateShortcutGroup(kGroup, kNoEntries, kPrograms, request_, report_));
    EXPECT_EQ(Names({kGroup}), NamesIn(programs_));
    EXPECT_TRUE(NamesIn(programs_ + "\\" + kGroup).empty());
    EXPECT_TRUE(report_.notices.empty());
}

TEST_F(Shortcuts, WithoutAGroupNameTheLinksGoStraightIntoTheFolder) {
    for (const char* group : {static_cast<const char*>(nullptr), ""}) {
        RemoveTree(startup_);
        CreateDirectoryA(startup_.c_str(), nullptr);
        EXPECT_EQ(1, CreateShortcutGroup(group, kTwoEntries, kStartup, request_, report_));
        EXPECT_EQ(Names({"Korvo LectorQuillery.lnk", "UnInstall LectorQuillery.lnk"}), NamesIn(startup_));
    }
    EXPECT_TRUE(report_.notices.empty());
}

TEST_F(Shortcuts, LastLinkFailingIsReportedAndTheFirstStays) {
    std::string group = programs_ + "\\" + kGroup;
    ASSERT_TRUE(CreateDirectoryA(group.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((group + "\\UnInstall LectorQuillery.lnk").c_str(), nullptr));
    EXPECT_EQ(0, CreateShortcutGroup(kGroup, kTwoEntries, kPrograms, request_, report_));
    ASSERT_EQ(1u, report_.notices.size());
    EXPECT_EQ(kStartMenuEnglish, report_.notices[0].english);
    EXPECT_TRUE(ReadLink(Wide(group + "\\Korvo LectorQuillery.lnk")).loaded);
}

TEST_F(Shortcuts, MissingSpecialFolderIsReported) {
    ShellFolderRedirect missing(root_ + "\\no such folder", root_ + "\\no such folder");
    for (int folder : {kPrograms, kStartup}) {
        report_ = RecordingReport();
        EXPECT_EQ(0, CreateShortcutGroup(kGroup, kTwoEntries, folder, request_, report_)) << folder;
        ASSERT_EQ(1u, report_.notices.size()) << folder;
        EXPECT_EQ(kStartMenuEnglish, report_.notices[0].english) << folder;
    }
    EXPECT_FALSE(Exists(root_ + "\\no such folder"));
}

TEST_F(Shortcuts, DesktopShortcutFailureIsSilent) {
    std::string link = desktop_ + "\\Korvo LectorQuillery.lnk";
    ASSERT_TRUE(CreateDirectoryA(link.c_str(), nullptr));
    CreateDesktopShortcut("LectorQuillery.exe", "Korvo LectorQuillery", request_, report_);
    EXPECT_TRUE(report_.notices.empty());
    EXPECT_TRUE(AttributesOf(link) & FILE_ATTRIBUTE_DIRECTORY);
}

// A Programs folder whose length puts the group's links on either side of
// the 259-byte limit.
std::string FolderOfLength(const std::string& root, size_t length) {
    std::string folder = root + "\\";
    folder += std::string(length - folder.size(), 'p');
    return folder;
}

TEST_F(Shortcuts, LinkPathTooLongFailsThatLinkOnly) {
    // group = P + 21 bytes, "\Korvo LectorQuillery.lnk" + 25 fits in 259,
    // "\UnInstall LectorQuillery.lnk" + 29 does not.
    std::string longPrograms = FolderOfLength(root_, 259 - 21 - 25);
    ASSERT_TRUE(CreateDirectoryA(longPrograms.c_str(), nullptr));
    ShellFolderRedirect redirect(longPrograms, startup_);
    EXPECT_EQ(0, CreateShortcutGroup(kGroup, kTwoEntries, kPrograms, request_, report_));
    ASSERT_EQ(1u, report_.notices.size());
    EXPECT_EQ(kStartMenuEnglish, report_.notices[0].english);
    std::string group = longPrograms + "\\" + kGroup;
    EXPECT_EQ(259u, (group + "\\Korvo LectorQuillery.lnk").size());
    EXPECT_EQ(Names({"Korvo LectorQuillery.lnk"}), NamesIn(group));
}

TEST_F(Shortcuts, GroupPathTooLongIsReportedBeforeAnythingIsMade) {
    std::string longPrograms = FolderOfLength(root_, 259 - 21 + 1);
    ASSERT_TRUE(CreateDirectoryA(longPrograms.c_str(), nullptr));
    ShellFolderRedirect redirect(longPrograms, startup_);
    EXPECT_EQ(0, CreateShortcutGroup(kGroup, kTwoEntries, kPrograms, request_, report_));
    ASSERT_EQ(1u, report_.notices.size());
    EXPECT_EQ(kStartMenuEnglish, report_.notices[0].english);
    EXPECT_TRUE(NamesIn(longPrograms).empty());
}

TEST_F(Shortcuts, InstallDirTooLongForATargetFailsThatLink) {
    std::string longInstall = FolderOfLength(root_, 259 - 19);  // "\LectorQuillery.exe" is 19 bytes
    UseInstallDir(longInstall);
    EXPECT_EQ(0, CreateShortcutGroup(kGroup, kTwoEntries, kPrograms, request_, report_));
    ASSERT_EQ(1u, report_.notices.size());
    EXPECT_EQ(Names({"Korvo LectorQuillery.lnk"}), NamesIn(programs_ + "\\" + kGroup));
}

// Windows 9x implements none of the Unicode file and shell calls. With the
// platform not NT (and, as there, no handle calls), every shortcut folder
// and link is made through the ANSI calls alone, right, and a second
// installation replaces each link (deleted, then moved there) as the first
// made it. On NT the same counter sees the Unicode calls.
TEST_F(Shortcuts, NotNtMakesEveryFolderAndLinkThroughTheAnsiCallsAlone) {
    for (int nt : {1, 0}) {
        request_.ntPlatform = nt;
        struct Restore {
            ~Restore() { PretendNoHandleCalls(0); }
        } restore;
        PretendNoHandleCalls(!nt);
        for (const std::string& folder : {programs_, desktop_, startup_}) {
            RemoveTree(folder);
            CreateDirectoryA(folder.c_str(), nullptr);
        }
        const unsigned long wideCalls = WideFileCallCount();
        for (int run = 0; run < 2; ++run) {
            ASSERT_EQ(1, Install()) << nt << run;
            EXPECT_TRUE(report_.notices.empty()) << nt << run;
            const std::string group = programs_ + "\\" + kGroup;
            EXPECT_EQ(Names({"Korvo LectorQuillery.lnk", "UnInstall LectorQuillery.lnk"}), NamesIn(group));
            ExpectLink(group + "\\Korvo LectorQuillery.lnk", "Korvo LectorQuillery", "LectorQuillery.exe");
            ExpectLink(group + "\\UnInstall LectorQuillery.lnk", "UnInstall LectorQuillery",
                       "LectorQuilleryUnInstall.exe");
            EXPECT_EQ(Names({"Korvo LectorQuillery.lnk"}), NamesIn(desktop_));
            EXPECT_EQ(Names({"Korvo LectorQuillery.lnk"}), NamesIn(startup_));
            ExpectLink(startup_ + "\\Korvo LectorQuillery.lnk", "Korvo LectorQuillery", "LectorQuillery.exe");
        }
        EXPECT_EQ(nt != 0, WideFileCallCount() > wideCalls) << nt;
    }
}

// The oldest shells: folders built from the Windows directory.
class LegacyShellFolders : public Shortcuts {
protected:
    void SetUp() override {
        InstallFixture::SetUp();
        windows_ = WindowsDirectory();
        profiles_ = windows_ + "\\profiles";
        profile_ = profiles_ + "\\" + UserName();
        for (const char* made : kMadeBelowWindows) ASSERT_FALSE(Exists(windows_ + made)) << made;
        request_.legacyShell = 1;
    }
    void TearDown() override {
        for (const char* made : kMadeBelowWindows) RemoveTree(windows_ + made);
        InstallFixture::TearDown();
    }
    // Every level of the group's folder and the desktop's is made below
    // base, the Windows directory or the NT profile; the Startup shortcut,
    // which such a shell has no folder for, is reported and made nowhere.
    void ExpectShortcutsBelow(const std::string& base) {
        const std::string group = base + "\\start menu\\programs\\" + kGroup;
        EXPECT_EQ(Names({"Korvo LectorQuillery.lnk", "UnInstall LectorQuillery.lnk"}), NamesIn(group));
        ExpectLink(group + "\\Korvo LectorQuillery.lnk", "Korvo LectorQuillery", "LectorQuillery.exe");
        ExpectLink(base + "\\Desktop\\Korvo LectorQuillery.lnk", "Korvo LectorQuillery", "LectorQuillery.exe");
        EXPECT_FALSE(Exists(base + "\\Korvo LectorQuillery.lnk"));
        EXPECT_FALSE(Exists(windows_ + "\\Korvo LectorQuillery.lnk"));
        ASSERT_EQ(1u, report_.notices.size());
        EXPECT_EQ(kStartMenuEnglish, report_.notices[0].english);
        for (const std::string& folder : {programs_, startup_}) EXPECT_TRUE(NamesIn(folder).empty()) << folder;
    }
    static constexpr const char* kMadeBelowWindows[] = {"\\profiles", "\\start menu", "\\Desktop",
                                                        "\\Korvo LectorQuillery.lnk"};
    std::string windows_, profiles_, profile_;
};

TEST_F(LegacyShellFolders, NtProfileGetsEveryMissingLevelOfItsShortcutFolders) {
    request_.ntPlatform = 1;
    for (const std::string& folder : {profiles_, profile_}) ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_EQ(1, Install());
    ExpectShortcutsBelow(profile_);
}

TEST_F(LegacyShellFolders, WithoutNtEveryLevelIsMadeBelowTheWindowsDirectory) {
    request_.ntPlatform = 0;
    ASSERT_EQ(1, Install());
    ExpectShortcutsBelow(windows_);
}

// A profile is the system's to make: where it is missing nothing is made,
// and both lines of the notice name the folder.
TEST_F(LegacyShellFolders, MissingNtProfileIsNotMadeAndItsFolderIsNamed) {
    request_.ntPlatform = 1;
    ASSERT_EQ(1, Install());
    const std::string group = profile_ + "\\start menu\\programs\\" + kGroup;
    ASSERT_EQ(2u, report_.notices.size());
    EXPECT_EQ("无法建目录(" + group + ")!", report_.notices[0].chinese);
    EXPECT_EQ(std::string(kFolderMessageEnglish) + " " + group, report_.notices[0].english);
    // The Startup shortcut has no folder; the desktop's failure is silent.
    EXPECT_EQ(kStartMenuEnglish, report_.notices[1].english);
    EXPECT_FALSE(Exists(profiles_));
}

// The same on a system that reports itself as one of the oldest: run by its
// own ctest entries under another executable name for which Wine's version
// is set to nt351 (NT 3.51) or win31 (Win32s), with --expect-nt=1 or 0.
// Start-up's ReadSystemFacts must then choose the composed folders.
using DISABLED_OldWindows = LegacyShellFolders;

TEST_F(DISABLED_OldWindows, SystemFactsChooseTheComposedFolders) {
    const std::string expectNt = CommandLineArgument("--expect-nt=");
    ASSERT_FALSE(expectNt.empty());
    ReadSystemFacts();
    ASSERT_EQ(1, LegacyShell);
    ASSERT_EQ(std::atoi(expectNt.c_str()), NtPlatform);
    request_.legacyShell = LegacyShell;
    request_.ntPlatform = NtPlatform;
    if (NtPlatform)
        for (const std::string& folder : {profiles_, profile_}) ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_EQ(1, Install());
    ExpectShortcutsBelow(NtPlatform ? profile_ : windows_);
}

}  // namespace

// The shortcut names as the system decides them: RunInstallation after
// start-up's ReadSystemFacts on a Chinese system, the names read back in
// the system's own characters.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "install_fixture.h"
#include "setup/program_state.h"
#include "setup/system_facts.h"

namespace {

struct ChineseNames {
    int displayLanguage;
    const wchar_t* program;
    const wchar_t* uninstaller;
};

const ChineseNames kChineseNames[] = {
    {1, L"科沃笺羽声读", L"科沃笺羽声读卸载"},
    {2, L"科沃箋羽聲讀", L"科沃箋羽聲讀卸載"},
};

// Run by its own ctest entries, with LC_ALL=zh_CN.GBK or zh_TW.BIG5 in the
// environment (Wine takes a process's code page and language from there; a
// child started from within Wine keeps its parent's) and --expect-display=1
// or 2.
using DISABLED_ChineseSystem = InstallFixture;

TEST_F(DISABLED_ChineseSystem, NamesTheShortcutsInItsOwnCharacters) {
    int expected = std::atoi(CommandLineArgument("--expect-display=").c_str());
    const ChineseNames* names = nullptr;
    for (const ChineseNames& n : kChineseNames)
        if (n.displayLanguage == expected) names = &n;
    ASSERT_NE(nullptr, names);
    std::wstring probe = Wide(root_) + L"\\" + names->program;
    if (!CreateDirectoryW(probe.c_str(), nullptr))
        GTEST_SKIP() << "no file names outside ASCII: the C library lacks the locale of LC_ALL";
    RemoveDirectoryW(probe.c_str());
    ReadSystemFacts();
    ASSERT_EQ(expected, DisplayLanguage);
    request_.displayLanguage = DisplayLanguage;
    ASSERT_EQ(1, Install());
    EXPECT_TRUE(report_.notices.empty());
    std::wstring group = Wide(programs_) + L"\\" + names->program;
    struct Expected {
        std::wstring link;
        const wchar_t* name;
        const wchar_t* target;
    };
    const Expected links[] = {
        {group + L"\\" + names->program + L".lnk", names->program, L"\\LectorQuillery.exe"},
        {group + L"\\" + names->uninstaller + L".lnk", names->uninstaller, L"\\LectorQuilleryUnInstall.exe"},
        {Wide(desktop_) + L"\\" + names->program + L".lnk", names->program, L"\\LectorQuillery.exe"},
        {Wide(startup_) + L"\\" + names->program + L".lnk", names->program, L"\\LectorQuillery.exe"},
    };
    for (const Expected& e : links) {
        LinkContents link = ReadLink(e.link);
        ASSERT_TRUE(link.loaded) << e.target;
        EXPECT_EQ(e.name, link.description) << e.target;
        EXPECT_EQ(Wide(install_) + e.target, link.target) << e.target;
    }
}

}  // namespace

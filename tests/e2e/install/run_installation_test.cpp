// RunInstallation on a real Windows file system (Wine), in a component built
// with the program's own resources and payload: the installed files, the
// progress bar, the settings file, the shortcuts, and the faults that stop
// an installation.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/setup_process.h"
#include "install/file_calls.h"
#include "install/install_folder.h"
#include "install/journal_format.h"
#include "install/payload_table.h"
#include "install/run_installation.h"
#include "install/recover_installation.h"
#include "install/staging_names.h"
#include "install_fixture.h"
#include "resources/resource_ids.h"
#include "setup/installation_report.h"
#include "setup/progress_class.h"

namespace {

const char kProgram[] = "LectorQuillery.exe";
const char kUninstaller[] = "LectorQuilleryUnInstall.exe";
const char kEnglishName[] = "Korvo LectorQuillery";
const char kEnglishUninstallName[] = "UnInstall LectorQuillery";
const char kConfigBlock1[] = "\r\n[Config]\r\nUILanguage=1\r\n\r\n";
const DWORD kProtecting = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
const std::vector<int> kFullProgress = {10, 20, 25, 45, 75, 90, 94, 100};

const char kNoStartMenuEntryChinese[] = "无法在 Start 菜单中为本程序建立一个条目。很抱歉，只好请您以后自已建立了。";
const char kNoStartMenuEntryEnglish[] = "Failed to create an entry on Start Menu.";

// The values the installation's steps set, in the order they came; between
// them the bar moves with the bytes written, every value above the last.
std::vector<int> StepValues(const std::vector<int>& progress) {
    std::vector<int> steps;
    for (size_t i = 0; i < progress.size(); ++i) {
        EXPECT_TRUE(i == 0 || progress[i] > progress[i - 1]) << i << ": " << progress[i];
        if (std::count(kFullProgress.begin(), kFullProgress.end(), progress[i])) steps.push_back(progress[i]);
    }
    return steps;
}

int EntryIndex(const char* fileName) {
    for (int i = 0; i < PayloadTableCount; ++i)
        if (std::string(PayloadTable[i].fileName) == fileName) return i;
    return -1;
}

std::vector<std::string> SortedNames(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back(PayloadTable[i].fileName);
    std::sort(names.begin(), names.end());
    return names;
}

class Installation : public InstallFixture {
protected:
    std::string Installed(const char* fileName) const { return install_ + "\\" + fileName; }
    // The first count entries are in place with their bytes and attributes.
    void ExpectEntriesWritten(int count, const std::string& settingsSuffix = "") {
        for (int i = 0; i < count; ++i) {
            const PayloadEntry& entry = PayloadTable[i];
            std::string expected = ExpectedPayloadBytes(entry.fileName);
            if (std::string(entry.fileName) == "QuilleryUI.ini") expected += settingsSuffix;
            ASSERT_FALSE(expected.empty()) << entry.fileName;
            EXPECT_EQ(expected, ReadAll(Installed(entry.fileName))) << entry.fileName;
            DWORD wanted = (entry.readOnly ? FILE_ATTRIBUTE_READONLY : 0) | (entry.hidden ? FILE_ATTRIBUTE_HIDDEN : 0);
            EXPECT_EQ(wanted, AttributesOf(Installed(entry.fileName)) & kProtecting) << entry.fileName;
        }
    }
    void ExpectNoShortcuts() {
        EXPECT_TRUE(NamesIn(programs_).empty());
        EXPECT_TRUE(NamesIn(desktop_).empty());
        EXPECT_TRUE(NamesIn(startup_).empty());
    }
    void ExpectLink(const std::string& linkPath, const char* target, const char* description) {
        ExpectLink(Wide(linkPath), target, Wide(description));
    }
    void ExpectLink(const std::wstring& linkPath, const char* target, const std::wstring& description) {
        LinkContents link = ReadLink(linkPath);
        ASSERT_TRUE(link.loaded) << target;
        EXPECT_EQ(Wide(Installed(target)), link.target) << target;
        EXPECT_EQ(description, link.description) << target;
        EXPECT_EQ(Wide(Installed(target)), link.icon) << target;
        EXPECT_EQ(0, link.iconIndex) << target;
        EXPECT_EQ(Wide(install_), link.workingDirectory) << target;
    }
};

TEST_F(Installation, WritesEveryFileWithItsBytesAndAttributes) {
    ASSERT_EQ(18, PayloadTableCount);
    ASSERT_EQ(1, Install());
    ExpectEntriesWritten(PayloadTableCount, kConfigBlock1);
    // Nothing else: no temporary file of the settings rewrite is left.
    EXPECT_EQ(SortedNames(PayloadTableCount), NamesIn(install_));
    EXPECT_TRUE(report_.notices.empty());
}

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST_F(Installation, WizardsProgressBarShowsAndPassesEveryStepInOrder) {
    ASSERT_EQ(1, RegisterProgressBarClass());
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                     PassiveDialogProc, 0);
    ASSERT_NE(nullptr, dialog);
    HWND bar = GetDlgItem(dialog, IDC_PROGRESS);
    RecordProgress(bar);
    ASSERT_FALSE(GetWindowLongPtrA(bar, GWL_STYLE) & WS_VISIBLE);
    ProgressBarReport wizard(dialog);
    EXPECT_EQ(1, RunInstallation(request_, wizard));
    EXPECT_EQ(kFullProgress, StepValues(RecordedProgress()));
    EXPECT_TRUE(GetWindowLongPtrA(bar, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(100, SendMessageA(bar, PBM_GETPOS, 0, 0));
    DestroyWindow(dialog);
}

HWND MakeWizard() {
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                              PassiveDialogProc, 0);
}

RECT PlaceInParent(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// The wizard starts without the common-controls library: its bar is a
// stand-in until the installation asks for it, and then it is a real bar
// that no one can tell from one made from the template with the library.
TEST(ProgressBarStandIn, IsReplacedByARealBarLikeTheTemplates) {
    ASSERT_EQ(1, RegisterProgressBarStandIn(GetModuleHandleA(nullptr)));
    HWND wizard = MakeWizard();
    ASSERT_NE(nullptr, wizard);
    HWND bar = ProvideProgressBar(wizard);
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(bar, GetDlgItem(wizard, IDC_PROGRESS));
    EXPECT_EQ(bar, ProvideProgressBar(wizard));
    // The stand-in class is gone: the template now makes real bars itself.
    HWND reference = MakeWizard();
    ASSERT_NE(nullptr, reference);
    HWND expected = GetDlgItem(reference, IDC_PROGRESS);
    char className[64] = "", text[64] = "";
    GetClassNameA(bar, className, sizeof className);
    GetWindowTextA(bar, text, sizeof text);
    EXPECT_STREQ("msctls_progress32", className);
    EXPECT_STREQ("Progress1", text);
    EXPECT_EQ(GetClassLongPtrA(expected, GCLP_HMODULE), GetClassLongPtrA(bar, GCLP_HMODULE));
    EXPECT_EQ(GetWindowLongA(expected, GWL_STYLE), GetWindowLongA(bar, GWL_STYLE));
    // Drawn classically, as Windows draws it for this program: a themed bar
    // (Wine themes the template's) drops the classic static edge.
    EXPECT_EQ(GetWindowLongA(expected, GWL_EXSTYLE) | WS_EX_STATICEDGE, GetWindowLongA(bar, GWL_EXSTYLE));
    const RECT expectedPlace = PlaceInParent(expected), place = PlaceInParent(bar);
    EXPECT_TRUE(EqualRect(&expectedPlace, &place));
    EXPECT_EQ(GetDlgCtrlID(GetWindow(expected, GW_HWNDPREV)), GetDlgCtrlID(GetWindow(bar, GW_HWNDPREV)));
    EXPECT_EQ(nullptr, GetWindow(bar, GW_HWNDNEXT));
    // Each bar has its own dialog's font.
    EXPECT_EQ(SendMessageA(reference, WM_GETFONT, 0, 0), SendMessageA(expected, WM_GETFONT, 0, 0));
    EXPECT_EQ(SendMessageA(wizard, WM_GETFONT, 0, 0), SendMessageA(bar, WM_GETFONT, 0, 0));
    SendMessageA(bar, PBM_SETPOS, 45, 0);
    EXPECT_EQ(45, SendMessageA(bar, PBM_GETPOS, 0, 0));
    DestroyWindow(reference);
    DestroyWindow(wizard);
}

TEST_F(Installation, MakesTheGroupTheDesktopAndTheStartupShortcuts) {
    ASSERT_EQ(1, Install());
    std::string group = programs_ + "\\" + kEnglishName;
    EXPECT_EQ((std::vector<std::string>{kEnglishName}), NamesIn(programs_));
    EXPECT_EQ((std::vector<std::string>{std::string(kEnglishName) + ".lnk", std::string(kEnglishUninstallName) + ".lnk"}),
              NamesIn(group));
    ExpectLink(group + "\\" + kEnglishName + ".lnk", kProgram, kEnglishName);
    ExpectLink(group + "\\" + kEnglishUninstallName + ".lnk", kUninstaller, kEnglishUninstallName);
    EXPECT_EQ((std::vector<std::string>{std::string(kEnglishName) + ".lnk"}), NamesIn(desktop_));
    ExpectLink(desktop_ + "\\" + kEnglishName + ".lnk", kProgram, kEnglishName);
    EXPECT_EQ((std::vector<std::string>{std::string(kEnglishName) + ".lnk"}), NamesIn(startup_));
    ExpectLink(startup_ + "\\" + kEnglishName + ".lnk", kProgram, kEnglishName);
}

TEST_F(Installation, WithoutTheOptionsOnlyTheGroupIsMade) {
    request_.desktopIconOption = 0;
    request_.autoStartOption = 0;
    ASSERT_EQ(1, Install());
    EXPECT_EQ(2u, NamesIn(programs_ + "\\" + kEnglishName).size());
    EXPECT_TRUE(NamesIn(desktop_).empty());
    EXPECT_TRUE(NamesIn(startup_).empty());
    EXPECT_EQ(kFullProgress, StepValues(report_.progress));
    // Each stretch moved the bar on its way: the sample's entries are many.
    EXPECT_GT(report_.progress.size(), kFullProgress.size() + 5);
    EXPECT_EQ(std::vector<size_t>{0}, report_.shownAt);
}

struct ChineseNames {
    int displayLanguage;
    const wchar_t* program;
    const wchar_t* uninstaller;
};

// The GBK and Big5 names are read in their own code page, so they come out
// as the same characters on a system of any code page: this component's
// own (1252), and a UTF-8 one (65001) in the ctest entry that passes
// --expect-code-page=65001.
class ShortcutLanguage : public Installation, public testing::WithParamInterface<ChineseNames> {};

TEST_P(ShortcutLanguage, NamesTheShortcutsInTheLanguagesOwnCharactersOnAnyCodePage) {
    const std::string codePage = CommandLineArgument("--expect-code-page=");
    if (!codePage.empty() && GetACP() != static_cast<UINT>(std::atoi(codePage.c_str())))
        GTEST_SKIP() << "no system of code page " << codePage << ": the C library lacks the locale of LC_ALL";
    const ChineseNames& names = GetParam();
    request_.displayLanguage = names.displayLanguage;
    ASSERT_EQ(1, Install());
    EXPECT_TRUE(report_.notices.empty());
    std::wstring group = Wide(programs_) + L"\\" + names.program;
    ExpectLink(group + L"\\" + names.program + L".lnk", kProgram, names.program);
    ExpectLink(group + L"\\" + names.uninstaller + L".lnk", kUninstaller, names.uninstaller);
    ExpectLink(Wide(desktop_) + L"\\" + names.program + L".lnk", kProgram, names.program);
    ExpectLink(Wide(startup_) + L"\\" + names.program + L".lnk", kProgram, names.program);
}

INSTANTIATE_TEST_SUITE_P(Chinese, ShortcutLanguage,
                         testing::Values(ChineseNames{1, L"科沃笺羽声读", L"科沃笺羽声读卸载"},
                                         ChineseNames{2, L"科沃箋羽聲讀", L"科沃箋羽聲讀卸載"}));

// A failed installation leaves the folder as it found it: every previous
// file with its bytes and attributes, nothing added, no shortcut.

TEST_F(Installation, ProgramHeldOpenLeavesTheOlderInstallationWholeUntilReleased) {
    const FolderState before = PlaceOlderInstallation();
    HANDLE held = CreateFileA(Installed(kProgram).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(0, Install());
    CloseHandle(held);
    ExpectFolderAsBefore(before, install_);
    EXPECT_EQ((std::vector<int>{10, 20, 25, 45, 75}), StepValues(report_.progress));
    EXPECT_LT(report_.progress.back(), 90);
    ExpectNoShortcuts();
    ASSERT_EQ(1, Install());
    ExpectEntriesWritten(PayloadTableCount, kConfigBlock1);
    EXPECT_EQ(SortedNames(PayloadTableCount), NamesIn(install_));
}

TEST_F(Installation, FolderInTheWayOfAnEntryLeavesTheFolderAsFound) {
    for (bool older : {false, true}) {
        RemoveTree(install_);
        CreateDirectoryA(install_.c_str(), nullptr);
        if (older) PlaceOlderInstallation();
        const std::string settings = Installed("QuilleryUI.ini");
        RemoveTree(settings);
        ASSERT_TRUE(CreateDirectoryA(settings.c_str(), nullptr));
        const FolderState before = StateOf(install_);
        EXPECT_EQ(0, Install()) << older;
        ExpectFolderAsBefore(before, install_);
        EXPECT_EQ((std::vector<int>{10, 20, 25, 45, 75}), StepValues(report_.progress)) << older;
        EXPECT_LT(report_.progress.back(), 90) << older;
        ExpectNoShortcuts();
    }
}

// Flips the last byte (of the Adler-32 sum) of a payload resource in the
// loaded image for the fixture's lifetime.
class CorruptResource {
public:
    explicit CorruptResource(unsigned id) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "TEXT");
        DWORD size = found ? SizeofResource(nullptr, found) : 0;
        HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
        byte_ = loaded && size ? static_cast<unsigned char*>(LockResource(loaded)) + size - 1 : nullptr;
        if (!byte_ || !VirtualProtect(byte_, 1, PAGE_READWRITE, &protection_)) byte_ = nullptr;
        if (byte_) *byte_ ^= 0xFF;
    }
    ~CorruptResource() {
        if (!byte_) return;
        *byte_ ^= 0xFF;
        DWORD ignored;
        VirtualProtect(byte_, 1, protection_, &ignored);
    }
    bool Done() const { return byte_ != nullptr; }

private:
    unsigned char* byte_ = nullptr;
    DWORD protection_ = 0;
};

TEST_F(Installation, CorruptStreamOnAFirstInstallationLeavesNoFile) {
    int guide = EntryIndex("LectorQuillery_Guide.htm");
    {
        CorruptResource corrupt(PayloadTable[guide].resourceId);
        ASSERT_TRUE(corrupt.Done());
        EXPECT_EQ(0, Install());
    }
    EXPECT_TRUE(NamesIn(install_).empty());
    EXPECT_EQ((std::vector<int>{10}), StepValues(report_.progress));
    ExpectNoShortcuts();
}

TEST_F(Installation, FailedShortcutIsReportedOnceAndTheOthersAreStillMade) {
    // A folder in the way of the group's first link only.
    std::string group = programs_ + "\\" + kEnglishName;
    ASSERT_TRUE(CreateDirectoryA(group.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((group + "\\" + kEnglishName + ".lnk").c_str(), nullptr));
    ASSERT_EQ(1, Install());
    ASSERT_EQ(1u, report_.notices.size());
    EXPECT_EQ(kNoStartMenuEntryChinese, report_.notices[0].chinese);
    EXPECT_EQ(kNoStartMenuEntryEnglish, report_.notices[0].english);
    ExpectLink(group + "\\" + kEnglishUninstallName + ".lnk", kUninstaller, kEnglishUninstallName);
    ExpectLink(desktop_ + "\\" + kEnglishName + ".lnk", kProgram, kEnglishName);
    ExpectLink(startup_ + "\\" + kEnglishName + ".lnk", kProgram, kEnglishName);
    EXPECT_EQ(kFullProgress, StepValues(report_.progress));
}

TEST_F(Installation, ReinstallOverProtectedHiddenAndDamagedFilesPutsEveryFileRight) {
    const DWORD kPrevious[] = {FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM,
                               FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_READONLY};
    const int kinds = static_cast<int>(std::size(kPrevious));
    for (int i = 0; i < PayloadTableCount; ++i) {
        const std::string path = Installed(PayloadTable[i].fileName);
        const std::string expected = ExpectedPayloadBytes(PayloadTable[i].fileName);
        WriteAll(path, i % 2 ? "" : expected.substr(0, expected.size() / 2));  // cut short or empty
        SetFileAttributesA(path.c_str(), kPrevious[i % kinds]);
    }
    request_.uiLanguage = 2;
    ASSERT_EQ(1, Install());
    ExpectEntriesWritten(PayloadTableCount, "\r\n[Config]\r\nUILanguage=2\r\n\r\n");
    // No file of the installation's own is left beside them.
    EXPECT_EQ(SortedNames(PayloadTableCount), NamesIn(install_));
    for (int i = 0; i < PayloadTableCount; i += kinds)
        EXPECT_TRUE(AttributesOf(Installed(PayloadTable[i].fileName)) & FILE_ATTRIBUTE_SYSTEM) << i;
    EXPECT_TRUE(report_.notices.empty());
}

// A previous file that cannot be put back (read by another program, as a
// running program's file is: it can be copied, not replaced) fails the
// installation as not restored; the journal stays, and the next run puts
// every previous file back, with its attributes, before it installs.
TEST_F(Installation, PutBackRefusedKeepsTheJournalAndTheNextRunFinishesIt) {
    const FolderState before = PlaceOlderInstallation();
    HANDLE held = CreateFileA(Installed(kProgram).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(kNotRestored, Install());
    CloseHandle(held);
    int journals = 0;
    for (const std::string& name : NamesIn(install_)) journals += ClassifyOwnName(name.c_str()) == kOwnJournal;
    EXPECT_EQ(1, journals);
    InstallFolder folder;
    ASSERT_EQ(kFolderHeld, HoldInstallFolder(install_.c_str(), 1, &folder));
    EXPECT_EQ(kRecovered, RecoverInterruptedRuns(folder, PayloadTable, PayloadTableCount, MakeRunId(1, 2), report_));
    ReleaseInstallFolder(&folder);
    ExpectFolderAsBefore(before, install_);
    ASSERT_EQ(kInstalled, Install());
    ExpectEntriesWritten(PayloadTableCount, kConfigBlock1);
    EXPECT_EQ(SortedNames(PayloadTableCount), NamesIn(install_));
}

// Files an earlier run left under the names this run could have chosen
// (an installer before the run ids named them by the process id alone) do
// not stop it: they go first.
TEST_F(Installation, LeftoversUnderThisProcesssNamesGoFirst) {
    PlaceOlderInstallation();
    const std::string stale = install_ + "\\~lq" + std::to_string(GetCurrentProcessId()) + "-";
    for (int i = 0; i < PayloadTableCount; ++i)
        for (const char* extension : {".new", ".old"}) WriteAll(stale + std::to_string(i) + extension, "stale");
    WriteAll(install_ + "\\lqs1F.tmp", "stale");
    ASSERT_EQ(kInstalled, Install());
    ExpectEntriesWritten(PayloadTableCount, kConfigBlock1);
    EXPECT_EQ(SortedNames(PayloadTableCount), NamesIn(install_));
}

// Journals another local user could plant, or that a disk could damage:
// nothing outside the folder is touched, no link is followed, and the
// installation goes on (or, for a journal whose run is alive, stops with
// the folder as it was).
TEST_F(Installation, PlantedJournalsActOnNothingOutsideTheFolder) {
    const RunId run = MakeRunId(7, 7);
    char journalName[64], keptName[64], stagedName[64];
    ComposeJournalName(journalName, sizeof journalName, run);
    ComposeStagingName(keptName, sizeof keptName, run, 0, kKeptPrevious);
    ComposeStagingName(stagedName, sizeof stagedName, run, 1, kStagedNew);
    // A whole journal of this table that puts entry 0's copy back.
    std::vector<unsigned char> kept(PayloadTableCount, 0);
    kept[0] = 1;
    char bytes[kJournalCapacity];
    std::vector<PayloadEntry> outsideTable(PayloadTable, PayloadTable + PayloadTableCount);
    outsideTable[0].fileName = "..\\outside.txt";
    const JournalContents contents = {run, kJournalUndo, PayloadTableCount, kept.data()};
    const std::string valid(bytes, ComposeJournal(bytes, sizeof bytes, contents, PayloadTable));
    const std::string outside(bytes, ComposeJournal(bytes, sizeof bytes, contents, outsideTable.data()));
    std::string otherFormat = valid;
    otherFormat.replace(otherFormat.find('1'), 1, "2");
    enum Planting { kJournalBytes, kJournalLink, kLeftoverLink, kLiveJournal };
    struct Case {
        const char* what;
        Planting planting;
        std::string bytes;
    };
    const Case cases[] = {
        {"naming a path outside the folder", kJournalBytes, outside},
        {"cut short", kJournalBytes, valid.substr(0, valid.size() - 7)},
        {"of another format", kJournalBytes, otherFormat},
        {"a link to a file outside", kJournalLink, valid},
        {"a leftover that is a link to a file outside", kLeftoverLink, valid},
        {"held by its live run", kLiveJournal, valid},
    };
    const std::string outsideFile = root_ + "\\outside.txt";
    for (const Case& c : cases) {
        // The links go first (while what they point at exists), never
        // through RemoveTree, which would follow them.
        SetFileAttributesA(outsideFile.c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteAll(outsideFile, "outside");
        RemoveUnixLink(install_ + "\\" + journalName);
        RemoveUnixLink(install_ + "\\" + stagedName);
        RemoveTree(install_);
        CreateDirectoryA(install_.c_str(), nullptr);
        PlaceOlderInstallation();
        SetFileAttributesA(outsideFile.c_str(), FILE_ATTRIBUTE_READONLY);
        WriteAll(install_ + "\\" + keptName, "planted copy");
        const std::string journal = install_ + "\\" + journalName;
        if (c.planting == kJournalLink) {
            ASSERT_TRUE(MakeUnixLink(outsideFile, journal)) << c.what;
        } else {
            WriteAll(journal, c.bytes);
        }
        if (c.planting == kLeftoverLink) ASSERT_TRUE(MakeUnixLink(outsideFile, install_ + "\\" + stagedName));
        HANDLE live = c.planting == kLiveJournal ? CreateFileA(journal.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                                                 : INVALID_HANDLE_VALUE;
        const FolderState before = StateOf(install_);
        const InstallationOutcome outcome = Install();
        if (live != INVALID_HANDLE_VALUE) CloseHandle(live);
        EXPECT_EQ("outside", ReadAll(outsideFile)) << c.what;
        EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY), AttributesOf(outsideFile) & ~FILE_ATTRIBUTE_ARCHIVE) << c.what;
        if (c.planting == kLiveJournal) {
            EXPECT_EQ(kNotInstalled, outcome) << c.what;
            ExpectFolderAsBefore(before, install_);
            continue;
        }
        EXPECT_EQ(kInstalled, outcome) << c.what;
        ExpectEntriesWritten(PayloadTableCount, kConfigBlock1);
        // A link is neither followed nor removed: it stays as it was planted.
        std::vector<std::string> expected = SortedNames(PayloadTableCount);
        if (c.planting == kJournalLink) expected.push_back(journalName);
        if (c.planting == kLeftoverLink) expected.push_back(stagedName);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, NamesIn(install_)) << c.what;
    }
    RemoveUnixLink(install_ + "\\" + journalName);
    RemoveUnixLink(install_ + "\\" + stagedName);
    SetFileAttributesA(outsideFile.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// What another local user tries while the installation runs: rewrite a
// staged file, rename the folder.
struct Meddling {
    std::string staged, folder;
    int rewrites = 0, renames = 0, attempts = 0;
};
Meddling* Meddler = nullptr;

// Once the run stages (and so holds the folder), before each of its calls.
void MeddleBeforeEachCall() {
    if (!FileExists(Meddler->staged)) return;
    ++Meddler->attempts;
    HANDLE file = CreateFileA(Meddler->staged.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        Meddler->rewrites += WriteFile(file, "tampered", 8, &written, nullptr) ? 1 : 0;
        CloseHandle(file);
    }
    if (MoveFileA(Meddler->folder.c_str(), (Meddler->folder + "-moved").c_str())) {
        ++Meddler->renames;
        MoveFileA((Meddler->folder + "-moved").c_str(), Meddler->folder.c_str());
    }
}

// The staged name of entry 0 in folder, of whatever run is staging.
std::string StagedNameIn(const std::string& folder) {
    for (const std::string& name : NamesIn(folder))
        if (ClassifyOwnName(name.c_str()) == kOwnStagedNew && name.size() > 6 && name.compare(name.size() - 6, 6, "-0.new") == 0)
            return folder + "\\" + name;
    return folder + "\\~lq-none-0.new";
}

void FindStagedBeforeEachCall(const char*, int) {
    Meddler->staged = StagedNameIn(Meddler->folder);
    MeddleBeforeEachCall();
}

// Planted the way another local user could, with the elevated installer
// working in a folder anyone may write: a staged file it still holds cannot
// be rewritten, nor the folder renamed, and the installed bytes are its
// own; where the system renames no open file, a staged file rewritten
// before its move is caught by its sum; a previous file or the settings
// file that is a link is refused, the link and what it points at left as
// they were, and the folder too; so is a shortcut to be replaced that is
// a link.
TEST_F(Installation, WhatAnotherUserPlantsIsRefused) {
    enum Planting { kMeddle, kMeddleWithoutHandleCalls, kLink };
    const std::string desktopLink = desktop_ + "\\" + kEnglishName + ".lnk";
    const struct {
        const char* what;
        Planting planting;
        std::string linked;
    } cases[] = {
        {"a staged file rewritten, the folder renamed", kMeddle, ""},
        {"the same on a system that renames no open file", kMeddleWithoutHandleCalls, ""},
        {"the previous program a link to a file elsewhere", kLink, Installed(kProgram)},
        {"the settings file a link to a read-only file elsewhere", kLink, Installed("QuilleryUI.ini")},
        {"the desktop shortcut a link to a file elsewhere", kLink, desktopLink},
    };
    const std::string elsewhere = root_ + "\\elsewhere.bin";
    for (const auto& c : cases) {
        SetFileAttributesA(elsewhere.c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteAll(elsewhere, "elsewhere");
        for (const auto& other : cases)
            if (!other.linked.empty()) RemoveUnixLink(other.linked);
        RemoveTree(install_);
        CreateDirectoryA(install_.c_str(), nullptr);
        PlaceOlderInstallation();
        SetFileAttributesA(elsewhere.c_str(), FILE_ATTRIBUTE_READONLY);
        if (!c.linked.empty()) {
            RemoveTree(c.linked);
            ASSERT_TRUE(MakeUnixLink(elsewhere, c.linked)) << c.what;
        }
        const FolderState before = StateOf(install_);
        Meddling meddling;
        meddling.folder = install_;
        Meddler = &meddling;
        if (c.planting == kMeddleWithoutHandleCalls) PretendNoHandleCalls(1);
        if (c.planting == kMeddle || c.planting == kMeddleWithoutHandleCalls) ObserveFileCalls(FindStagedBeforeEachCall);
        const InstallationOutcome outcome = Install();
        ObserveFileCalls(nullptr);
        PretendNoHandleCalls(0);
        Meddler = nullptr;
        EXPECT_EQ(0, meddling.renames) << c.what;
        EXPECT_EQ("elsewhere", ReadAll(elsewhere)) << c.what;
        EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY), AttributesOf(elsewhere) & ~FILE_ATTRIBUTE_ARCHIVE) << c.what;
        if (c.planting == kMeddle) {
            EXPECT_GT(meddling.attempts, PayloadTableCount) << c.what;
            EXPECT_EQ(0, meddling.rewrites) << c.what;
            EXPECT_EQ(kInstalled, outcome) << c.what;
            ExpectEntriesWritten(PayloadTableCount, kConfigBlock1);
            continue;
        }
        // The system without handle calls: rewritten while closed, caught.
        if (c.planting == kMeddleWithoutHandleCalls) EXPECT_GT(meddling.rewrites, 0) << c.what;
        EXPECT_EQ(kNotInstalled, outcome) << c.what;
        ExpectFolderAsBefore(before, install_);
    }
    for (const auto& c : cases)
        if (!c.linked.empty()) RemoveUnixLink(c.linked);
    SetFileAttributesA(elsewhere.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// An installation killed at every instant (its own ctest entry, for its
// length). A child process of this component (DISABLED_KillChild) runs the installation and ends itself, as
// a power cut or Task Manager would, just before its Nth call that changes
// the file system, for every N until one run completes; after each kill a
// new installation into the folder must finish the interrupted one's work
// and install everything.

const UINT kKilledExitCode = 77;
int KillCountdown = 0;

void EndProcessAtCountdown(const char*, int changes) {
    if (changes && --KillCountdown == 0) TerminateProcess(GetCurrentProcess(), kKilledExitCode);
}

TEST(DISABLED_KillChild, InstallsUntilKilled) {
    const std::string folder = CommandLineArgument("--install-into=");
    KillCountdown = std::atoi(CommandLineArgument("--kill-at=").c_str());
    InstallationRequest request = {folder.c_str(), 1, 1, 1, 1, 0, 0};
    RecordingReport report;
    ObserveFileCalls(EndProcessAtCountdown);
    EXPECT_EQ(kInstalled, RunInstallation(request, report));
    ObserveFileCalls(nullptr);
}

std::string OwnPath() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// What the kills left behind, counted over the whole table.
struct KillTally {
    int kills = 0, mixed = 0, withLeftovers = 0, languageUnset = 0, undone = 0, completed = 0;
};

bool SameState(const FolderState& a, const FolderState& b) {
    return a.names == b.names && a.bytes == b.bytes && a.attributes == b.attributes;
}

class DISABLED_KillTable : public Installation, public testing::WithParamInterface<bool> {
protected:
    // Runs the child into the installation folder; its exit code.
    int RunKilledAt(int n) {
        SetupProcess child;
        const std::string arguments = "--gtest_brief=1 --gtest_also_run_disabled_tests --gtest_filter=DISABLED_KillChild.* "
                                      "--kill-at=" + std::to_string(n) + " \"--install-into=" + install_ + "\"";
        if (!child.StartWithArguments(OwnPath(), arguments)) {
            ADD_FAILURE() << "cannot start the child: " << GetLastError();
            return -1;
        }
        return child.WaitForExit(120000);
    }
    // The folder right after a kill: with an older installation below it,
    // every target is there, whole, in its older or its new version.
    void Look(const FolderState& older, KillTally* tally) {
        int newer = 0, kept = 0;
        for (int i = 0; i < PayloadTableCount; ++i) {
            const std::string name = PayloadTable[i].fileName;
            const std::string bytes = ReadAll(Installed(name.c_str()));
            const bool isNew = bytes.compare(0, ExpectedPayloadBytes(name).size(), ExpectedPayloadBytes(name)) == 0 &&
                               !bytes.empty();
            if (!older.names.empty()) {
                ASSERT_TRUE(FileExists(Installed(name.c_str()))) << name;
                const auto at = std::find(older.names.begin(), older.names.end(), name) - older.names.begin();
                EXPECT_TRUE(isNew || bytes == older.bytes[at]) << name;
                kept += bytes == older.bytes[at];
            }
            newer += isNew;
            if (name == "QuilleryUI.ini" && isNew && bytes.find("UILanguage=") == std::string::npos) ++tally->languageUnset;
        }
        tally->mixed += newer && kept;
        for (const std::string& name : NamesIn(install_))
            if (ClassifyOwnName(name.c_str()) != kNotOwnName) {
                ++tally->withLeftovers;
                break;
            }
    }
    // What the next run does first, alone: the folder is then exactly as it
    // was before the killed run, or, where that run had placed every file,
    // its complete installation.
    void Recover(const FolderState& older, KillTally* tally) {
        InstallFolder folder;
        ASSERT_EQ(kFolderHeld, HoldInstallFolder(install_.c_str(), 1, &folder));
        const Recovery recovery = RecoverInterruptedRuns(folder, PayloadTable, PayloadTableCount, MakeRunId(1, 2), report_);
        ReleaseInstallFolder(&folder);
        ASSERT_EQ(kRecovered, recovery);
        if (SameState(older, StateOf(install_))) {
            ++tally->undone;
            return;
        }
        ++tally->completed;
        ExpectEntriesWritten(PayloadTableCount, kConfigBlock1);
        EXPECT_EQ(SortedNames(PayloadTableCount), NamesIn(install_));
    }
    // No link is left half saved beside the shortcuts.
    void ExpectNoSavingLinks() {
        for (const std::string& folder : {programs_ + "\\Korvo LectorQuillery", desktop_, startup_})
            EXPECT_FALSE(Exists(folder + "\\~lq.tmp")) << folder;
    }
};

TEST_P(DISABLED_KillTable, EveryInterruptedInstallationIsFinishedByTheNextRun) {
    const bool upgrade = GetParam();
    KillTally tally;
    for (int n = 1;; ++n) {
        ASSERT_LT(n, 2000) << "the installation never completed";
        RemoveTree(install_);
        CreateDirectoryA(install_.c_str(), nullptr);
        const FolderState older = upgrade ? PlaceOlderInstallation() : FolderState();
        const int code = RunKilledAt(n);
        if (code != static_cast<int>(kKilledExitCode)) {
            ASSERT_EQ(0, code) << "the uninterrupted run failed, change " << n;
            break;
        }
        ++tally.kills;
        ASSERT_NO_FATAL_FAILURE(Look(older, &tally)) << "killed before change " << n;
        ASSERT_NO_FATAL_FAILURE(Recover(older, &tally)) << "killed before change " << n;
        ASSERT_EQ(kInstalled, Install()) << "after a kill before change " << n;
        ExpectEntriesWritten(PayloadTableCount, kConfigBlock1);
        EXPECT_EQ(SortedNames(PayloadTableCount), NamesIn(install_)) << n;
        ExpectNoSavingLinks();
        if (HasFailure()) break;
    }
    std::printf("%s: %d kills; right after them %d left old and new files mixed, %d left the installer's files, "
                "%d the settings without the language; recovery put %d back as before and found %d complete; "
                "every next run installed\n",
                upgrade ? "upgrade" : "first installation", tally.kills, tally.mixed, tally.withLeftovers,
                tally.languageUnset, tally.undone, tally.completed);
    EXPECT_GT(tally.kills, PayloadTableCount * 2);
}

INSTANTIATE_TEST_SUITE_P(Over, DISABLED_KillTable, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "AnOlderInstallation" : "AnEmptyFolder");
                         });

}  // namespace

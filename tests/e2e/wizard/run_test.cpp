// The installation run under Wine, through the real installer: the folder
// check and the way back to the folder page, the run with the earlier
// choices, the five-second floor, the pointer, the outcome messages and the
// speech-runtime offer with the package opened through the shell.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "install/shortcut_names.h"
#include "install/staging_names.h"
#include "wizard/wizard_driver.h"

using namespace wizard;

namespace {

const char kFolderMessage[] = "无法建目录。请检查所列目录是否合法（注意：子目录只能在已存在的目录下建）。";
const DWORD kFloorMs = 5000;
const int kTraditionalChinese = 2;

// The program next to this test that records what the shell opened.
std::string RecorderPath() { return OwnFolder() + "\\open_recorder.exe"; }

std::string SpecialFolder(int id) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, id, nullptr, 0, path);
    return path;
}

// The program's own shortcut in a special folder, in any of its languages.
bool HasProgramShortcut(int folderId) {
    for (int language = 0; language <= 2; ++language)
        if (FileExists(SpecialFolder(folderId) + "\\" + ProgramShortcutName(language) + ".lnk")) return true;
    return false;
}

void RemoveProgramShortcuts(int folderId) {
    for (int language = 0; language <= 2; ++language)
        DeleteFileA((SpecialFolder(folderId) + "\\" + ProgramShortcutName(language) + ".lnk").c_str());
}

// Leaves the prefix's shell folders as the other tests expect them.
void RemoveAllProgramShortcuts() {
    RemoveProgramShortcuts(CSIDL_DESKTOPDIRECTORY);
    RemoveProgramShortcuts(CSIDL_STARTUP);
    for (int language = 0; language <= 2; ++language)
        RemoveTree(SpecialFolder(CSIDL_PROGRAMS) + "\\" + ProgramShortcutName(language));
}

// CPU time, in clock ticks of the Linux kernel (100 per second), that the
// process running the program at exePath has used so far, read from the
// host's /proc through Wine's Z: drive; -1 when no such process is found.
// Wine's own process times do not count what a process spends in the
// server, which is where a loop of message queries spins.
long long HostCpuTicks(const std::string& exePath) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA("Z:\\proc\\*", &entry);
    if (find == INVALID_HANDLE_VALUE) return -1;
    long long ticks = -1;
    do {
        const std::string folder = std::string("Z:\\proc\\") + entry.cFileName;
        if (entry.cFileName[0] < '1' || entry.cFileName[0] > '9') continue;
        const std::string commandLine = ReadAll(folder + "\\cmdline");
        if (lstrcmpiA(commandLine.c_str(), exePath.c_str()) != 0) continue;
        const std::string stat = ReadAll(folder + "\\stat");
        size_t at = stat.rfind(')');
        if (at == std::string::npos) continue;
        // Fields after the name: state is the 3rd, utime the 14th, stime the 15th.
        long long user = 0, system = 0;
        if (sscanf(stat.c_str() + at + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lld %lld", &user,
                   &system) == 2)
            ticks = user + system;
    } while (ticks < 0 && FindNextFileA(find, &entry));
    FindClose(find);
    return ticks;
}

// The long form of a path, for comparing paths that the shell may have
// handed on in their short form.
std::string LongPath(const std::string& path) {
    char full[MAX_PATH] = "";
    return GetLongPathNameA(path.c_str(), full, MAX_PATH) ? full : path;
}

class Run : public testing::Test {
protected:
    void SetUp() override {
        for (const std::string& folder : PackageFolders()) RemoveTree(folder);
        ASSERT_TRUE(setup_.Start()) << SetupExecutablePath();
        dialog_ = setup_.WaitForWindow(kWizardCaption);
        ASSERT_NE(nullptr, dialog_);
    }
    void TearDown() override { RemoveAllProgramShortcuts(); }
    // A fresh folder under the work folder, and the product folder in it.
    std::string FreshTarget(const char* name) {
        const std::string parent = WorkFolder() + "\\" + name;
        RemoveTree(parent);
        CreateDirectoryA(parent.c_str(), nullptr);
        return parent + "\\LectorQuillery";
    }
    // From the folder page through the licence to Agree/Install.
    void AgreeFromFolderPage(const std::string& path) {
        SetText(dialog_, IDC_PATH_FIELD, path);
        ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 1));
        ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 2));
        ClickButton(dialog_, IDC_NEXT);
    }
    HWND Box(const char* chinese) {
        HWND box = WaitForBox(setup_, chinese);
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        if (box)
            SavePng(CaptureWindow(box), WorkFolder() + "\\" + test + "-box" + std::to_string(++boxes_) + ".png");
        return box;
    }
    // OK to the success message and to the speech-runtime question; the
    // installer then hands the package to the shell.
    void AcceptSuccessAndSpeechRuntime() {
        HWND box = Box("祝贺您：安装顺利完成！");
        ASSERT_NE(nullptr, box) << "no success message";
        ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
        box = Box("下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)");
        ASSERT_NE(nullptr, box) << "no speech-runtime question";
        ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
    }
    // The last box: chinese with its English line english, answered OK;
    // the installer then ends with exitCode, no package left behind.
    void ExpectLastMessage(const char* chinese, const char* english, int exitCode) {
        HWND box = Box(chinese);
        ASSERT_NE(nullptr, box) << "no message " << english;
        EXPECT_EQ(english, TextOf(GetDlgItem(box, IDC_MB_ENGLISH_LINE)));
        ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
        EXPECT_EQ(exitCode, setup_.WaitForExit());
        EXPECT_TRUE(PackageFolders().empty());
    }
    SetupProcess setup_;
    HWND dialog_ = nullptr;
    int boxes_ = 0;
};

TEST_F(Run, AfterAFailedFolderCheckACorrectedPathInstallsAtOnceWithTheEarlierChoices) {
    const std::string target = FreshTarget("run-corrected");
    const std::string missing = target.substr(0, target.find_last_of('\\')) + "\\missing";
    RemoveAllProgramShortcuts();

    // Options and language that differ from the defaults.
    ClickButton(dialog_, IDC_DESKTOP_OPTION);
    ClickButton(dialog_, IDC_AUTOSTART_OPTION);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(dialog_, IDC_AUTOSTART_OPTION); }));
    ASSERT_TRUE(WaitUntil([&] { return !IsChecked(dialog_, IDC_DESKTOP_OPTION); }));
    SetText(dialog_, IDC_PATH_FIELD, missing + "\\deeper");
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 1));
    SendMessageA(GetDlgItem(dialog_, IDC_LANGUAGE_LIST), CB_SETCURSEL, kTraditionalChinese, 0);
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 2));
    ClickButton(dialog_, IDC_NEXT);

    HWND box = Box(kFolderMessage);
    ASSERT_NE(nullptr, box) << "no folder message";
    EXPECT_EQ("Cannot create folder! Please check folder path.", TextOf(GetDlgItem(box, IDC_MB_ENGLISH_LINE)));
    ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
    EXPECT_FALSE(FolderExists(missing));
    EXPECT_EQ(2, VisiblePage(dialog_));
    EXPECT_TRUE(IsShown(dialog_, IDC_NEXT));

    // Back from WizardState 99 shows the folder page with Back still there
    // and Next reading "下一步 Next".
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_BACK, 0));
    EXPECT_TRUE(IsShown(dialog_, IDC_BACK));
    EXPECT_TRUE(IsEnabled(dialog_, IDC_BACK));
    const auto readsNext = [&](const Image& shot) {
        return ShowsGlyphs(shot, RectIn(dialog_, IDC_NEXT), "下一步", 3);
    };
    Image page = CaptureClientWhen(dialog_, readsNext);
    SavePng(page, WorkFolder() + "\\folder-page-after-back.png");
    EXPECT_TRUE(readsNext(page));

    SetText(dialog_, IDC_PATH_FIELD, target);
    RECT window;
    GetWindowRect(dialog_, &window);
    const POINT centre = {window.left + (window.right - window.left) / 2,
                          window.top + (window.bottom - window.top) / 2};
    ASSERT_TRUE(SetCursorPos(window.right + 40, window.bottom + 40));
    const long long ticksBefore = HostCpuTicks(SetupExecutablePath());
    ASSERT_GE(ticksBefore, 0) << "the installer's process is not in /proc";
    const DWORD start = GetTickCount();
    ClickButton(dialog_, IDC_NEXT);

    // The run hides its buttons one after the other, and pumps no messages
    // until the installation is done: wait for all three.
    ASSERT_TRUE(WaitUntil([&] {
        return !IsShown(dialog_, IDC_NEXT) && !IsShown(dialog_, IDC_BACK) && !IsShown(dialog_, IDC_CANCEL);
    })) << "the run did not start, or left Next, Back or Cancel shown";
    EXPECT_EQ(0, VisiblePage(dialog_)) << "no page may be shown again";
    EXPECT_TRUE(WaitUntil([&] {
        POINT at;
        return GetCursorPos(&at) && at.x == centre.x && at.y == centre.y;
    })) << "the pointer was not brought to the wizard's centre";
    // No input reaches the wizard during the run.
    ClickButton(dialog_, IDC_CANCEL);
    RequestClose(dialog_);

    box = Box("祝贺您：安装顺利完成！");
    ASSERT_NE(nullptr, box) << "no success message";
    const DWORD elapsed = GetTickCount() - start;
    const long long cpuMs = (HostCpuTicks(SetupExecutablePath()) - ticksBefore) * 10;
    EXPECT_GE(elapsed, kFloorMs);
    // A sleeping wait costs the installer well under a tenth of the time
    // (about 0.1 s here); a polling loop costs it more than half.
    EXPECT_LT(cpuMs, static_cast<long long>(elapsed / 4)) << "the wait keeps a processor busy";
    EXPECT_EQ("Congratulations! Installation Success!", TextOf(GetDlgItem(box, IDC_MB_ENGLISH_LINE)));
    ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));

    box = Box("下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)");
    ASSERT_NE(nullptr, box) << "no speech-runtime question";
    EXPECT_TRUE(IsShown(box, IDC_MB_CANCEL));
    ASSERT_TRUE(AnswerBox(box, IDC_MB_CANCEL));
    EXPECT_EQ(0, setup_.WaitForExit());
    EXPECT_TRUE(PackageFolders().empty()) << "Cancel still wrote the package";

    const std::string payload = PayloadFolder();
    for (const char* name : {"ChnBmp.bin", "license_cn.txt", "license_en.txt"})
        EXPECT_EQ(ReadAll(payload + "\\" + name), ReadAll(target + "\\" + name)) << name;
    EXPECT_TRUE(FileExists(target + "\\" + kProgramFile));
    EXPECT_TRUE(FileExists(target + "\\" + kUninstallerFile));
    EXPECT_NE(std::string::npos, ReadAll(target + "\\QuilleryUI.ini").find("UILanguage=2"));
    EXPECT_TRUE(HasProgramShortcut(CSIDL_STARTUP)) << "auto-start was chosen";
    EXPECT_FALSE(HasProgramShortcut(CSIDL_DESKTOPDIRECTORY)) << "the desktop icon was not chosen";
}

// A typed folder too long to hold the longest installed name
// (LectorQuilleryUnInstall.exe, 27 bytes, leaves 231 for the folder) or too
// long for a path at all is refused whole: the folder message, back on the
// folder page, and nothing created, neither the folder nor a cut name.
TEST_F(Run, OverLongFoldersAreRefusedBeforeAnythingIsCreated) {
    const std::string parent = WorkFolder() + "\\long";
    RemoveTree(parent);
    ASSERT_TRUE(CreateDirectoryA(parent.c_str(), nullptr));
    bool fromLicence = true;
    for (size_t length : {240, 259, 260, 300}) {
        SCOPED_TRACE(length);
        const std::string path = parent + "\\" + std::string(length - parent.size() - 1, 'n');
        if (fromLicence) {
            ASSERT_NO_FATAL_FAILURE(AgreeFromFolderPage(path));
        } else {
            SetText(dialog_, IDC_PATH_FIELD, path);
            ClickButton(dialog_, IDC_NEXT);
        }
        HWND box = Box(kFolderMessage);
        ASSERT_NE(nullptr, box) << "no folder message";
        ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
        EXPECT_TRUE(NamesIn(parent).empty()) << NamesIn(parent).front().size() << " bytes created";
        if (fromLicence) ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_BACK, 0));
        fromLicence = false;
        EXPECT_EQ(0, VisiblePage(dialog_));
        EXPECT_TRUE(IsShown(dialog_, IDC_NEXT));
    }
    ClickButton(dialog_, IDC_CANCEL);
    EXPECT_EQ(0, setup_.WaitForExit());
    EXPECT_TRUE(NamesIn(parent).empty());
}

// The folder checked is the folder installed into: a folder that is a link
// (a junction, a symbolic link) is refused with the folder message and
// nothing is made where it points; a relative one is made absolute first,
// and installed into where it was checked, never below itself.
TEST_F(Run, TheFolderCheckedIsTheFolderInstalledInto) {
    const std::string parent = FreshTarget("run-folders");
    const std::string pointedAt = parent + "-pointed-at", linked = parent + "-linked";
    RemoveUnixLink(linked);
    RemoveTree(pointedAt);
    ASSERT_TRUE(CreateDirectoryA(pointedAt.c_str(), nullptr));
    ASSERT_TRUE(MakeUnixLink(pointedAt, linked));
    ASSERT_NO_FATAL_FAILURE(AgreeFromFolderPage(linked));
    HWND box = Box(kFolderMessage);
    ASSERT_NE(nullptr, box) << "a folder that is a link was taken";
    ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
    EXPECT_TRUE(NamesIn(pointedAt).empty());
    RemoveUnixLink(linked);

    // The installer runs in this test's current directory.
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    const char relative[] = "lq-relative-folder";
    const std::string absolute = std::string(current) + "\\" + relative;
    // An existing folder: entering it must not move what is relative.
    RemoveTree(absolute);
    ASSERT_TRUE(CreateDirectoryA(absolute.c_str(), nullptr));
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_BACK, 0));
    SetText(dialog_, IDC_PATH_FIELD, relative);
    ClickButton(dialog_, IDC_NEXT);
    box = Box("祝贺您：安装顺利完成！");
    ASSERT_NE(nullptr, box) << "no success message";
    ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
    box = Box("下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)");
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(AnswerBox(box, IDC_MB_CANCEL));
    EXPECT_EQ(0, setup_.WaitForExit());
    EXPECT_TRUE(FileExists(absolute + "\\LectorQuillery.exe"));
    EXPECT_FALSE(Exists(absolute + "\\" + relative));
    RemoveTree(absolute);
    RemoveTree(pointedAt);
}

// What lies at the temporary folder's old fixed package path before the offer.
enum Planted { kPlantedFile, kPlantedReadOnlyFile, kPlantedFolder };

class SpeechRuntime : public Run, public testing::WithParamInterface<Planted> {};

// OK to the offer writes the package into a new folder of its own in the
// temporary folder and has the shell open it there; whatever someone planted
// at the fixed path is neither opened nor changed. Until its installer has
// exited, no one may change, replace or delete the package, and the wizard
// is gone; then the package and its folder go.
TEST_P(SpeechRuntime, PackageIsWrittenAndOpenedInAFolderOfItsOwn) {
    const std::string planted = TempFolder() + kPackageName;
    RemoveTree(planted);
    if (GetParam() == kPlantedFolder) {
        ASSERT_TRUE(CreateDirectoryA(planted.c_str(), nullptr));
    } else {
        WriteAll(planted, "planted");
        if (GetParam() == kPlantedReadOnlyFile) SetFileAttributesA(planted.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    const DWORD plantedAttributes = AttributesOf(planted);
    WIN32_FILE_ATTRIBUTE_DATA before = {}, after = {};
    ASSERT_TRUE(GetFileAttributesExA(planted.c_str(), GetFileExInfoStandard, &before));
    const std::string record = WorkFolder() + "\\opened.txt";
    DeleteFileA(record.c_str());
    DeleteFileA((record + ".bytes").c_str());
    WriteAll(record + ".hold", "");
    ASSERT_TRUE(FileExists(RecorderPath())) << RecorderPath();
    MsiRecorderAssociation association(RecorderPath(), record);
    ASSERT_TRUE(association.Ok());
    ASSERT_NO_FATAL_FAILURE(AgreeFromFolderPage(FreshTarget("run-speech")));

    ASSERT_NO_FATAL_FAILURE(AcceptSuccessAndSpeechRuntime());

    ASSERT_TRUE(WaitUntil([&] { return FileExists(record) && !ReadAll(record).empty(); }))
        << "the shell opened nothing";
    const std::vector<std::string> folders = PackageFolders();
    ASSERT_EQ(1u, folders.size());
    const std::string package = folders[0] + "\\" + kPackageName;
    EXPECT_EQ(std::vector<std::string>{kPackageName}, NamesIn(folders[0]));
    const std::string payload = ReadAll(PayloadFolder() + "\\" + kPackageName);
    EXPECT_EQ(payload, ReadAll(record + ".bytes"));
    EXPECT_EQ(0, lstrcmpiA(LongPath(package).c_str(), LongPath(ReadAll(record)).c_str())) << ReadAll(record);
    EXPECT_FALSE(IsWindowVisible(dialog_));
    HANDLE writer = CreateFileA(package.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(INVALID_HANDLE_VALUE, writer) << "the package could be rewritten";
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
    EXPECT_FALSE(DeleteFileA(package.c_str()));
    EXPECT_FALSE(MoveFileA(package.c_str(), (folders[0] + "\\moved.msi").c_str()));
    EXPECT_EQ(payload, ReadAll(package));
    EXPECT_TRUE(setup_.IsRunning()) << "the installer did not wait for the package's installer";
    DeleteFileA((record + ".hold").c_str());
    EXPECT_EQ(0, setup_.WaitForExit());
    EXPECT_TRUE(PackageFolders().empty());

    EXPECT_EQ(plantedAttributes, AttributesOf(planted));
    ASSERT_TRUE(GetFileAttributesExA(planted.c_str(), GetFileExInfoStandard, &after));
    EXPECT_EQ(0, CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime));
    if (GetParam() == kPlantedFolder)
        EXPECT_TRUE(NamesIn(planted).empty());
    else
        EXPECT_EQ("planted", ReadAll(planted));
    RemoveTree(planted);
}

// A shell that starts nothing for the package: the user is told, and
// nothing of it is left in the temporary folder.
TEST_F(Run, APackageTheShellCannotOpenIsToldAndLeavesNothing) {
    MsiRecorderAssociation association(RecorderPath() + ".missing", WorkFolder() + "\\opened.txt");
    ASSERT_TRUE(association.Ok());
    ASSERT_NO_FATAL_FAILURE(AgreeFromFolderPage(FreshTarget("run-speech-unopened")));
    ASSERT_NO_FATAL_FAILURE(AcceptSuccessAndSpeechRuntime());
    ExpectLastMessage("无法打开语音模块的安装包。请您以后自己安装 SAPI5.1。",
                      "The speech module package could not be opened. Please install SAPI5.1 yourself later.", 0);
}

INSTANTIATE_TEST_SUITE_P(Planted, SpeechRuntime,
                         testing::Values(kPlantedFile, kPlantedReadOnlyFile, kPlantedFolder));

TEST_F(Run, AFailedInstallationIsReportedAndEndsTheWizard) {
    // A folder in the place of every file to write: no file can be written.
    const std::string target = FreshTarget("run-failing");
    CreateDirectoryA(target.c_str(), nullptr);
    for (const std::string& name : FilesIn(PayloadFolder()))
        CreateDirectoryA((target + "\\" + name).c_str(), nullptr);
    ASSERT_NO_FATAL_FAILURE(AgreeFromFolderPage(target));
    // No speech-runtime question follows: the wizard ends, telling a script
    // that nothing was installed and the folder is as it was.
    ExpectLastMessage("安装失败！请检查一下系统后，再重新安装。谢谢！",
                      "Installation failed. Please check your system (quit all Korvo applications) and try again.", 2);
}

// A previous file that can be neither replaced nor put back (read by
// another program, as a running program's file is): the user is told that
// the previous installation is not fully restored yet and that another run
// completes it, and a script sees 3. Once the file is let go, the next run
// does complete it, and installs.
TEST_F(Run, APreviousInstallationNotFullyRestoredIsToldAndTheNextRunCompletesIt) {
    const std::string target = FreshTarget("run-not-restored");
    CreateDirectoryA(target.c_str(), nullptr);
    const std::string program = target + "\\LectorQuillery.exe";
    WriteAll(program, "an older program");
    HANDLE held = CreateFileA(program.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    ASSERT_NO_FATAL_FAILURE(AgreeFromFolderPage(target));
    ExpectLastMessage("安装失败！原有的安装尚未完全恢复。请退出 Korvo 程序后再运行一次安装程序。",
                      "Installation failed: the previous installation is not fully restored yet. Quit Korvo "
                      "applications and run the installer again.",
                      3);
    CloseHandle(held);
    EXPECT_EQ("an older program", ReadAll(program));

    SetupProcess again;
    ASSERT_TRUE(again.Start());
    dialog_ = again.WaitForWindow(kWizardCaption);
    ASSERT_NE(nullptr, dialog_);
    ASSERT_NO_FATAL_FAILURE(AgreeFromFolderPage(target));
    HWND box = WaitForBox(again, "祝贺您：安装顺利完成！");
    ASSERT_NE(nullptr, box) << "the next run did not install";
    ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
    box = WaitForBox(again, "下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)");
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(AnswerBox(box, IDC_MB_CANCEL));
    EXPECT_EQ(0, again.WaitForExit());
    EXPECT_NE("an older program", ReadAll(program));
    for (const std::string& name : NamesIn(target)) EXPECT_EQ(kNotOwnName, ClassifyOwnName(name.c_str())) << name;
}

}  // namespace

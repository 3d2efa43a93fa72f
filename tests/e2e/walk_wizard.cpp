// The main job's walk through the installer: every page, the folder chooser
// and every message box on the way, each saved as a screenshot into the
// folder given as --shots=; a wrong folder first, then a folder chosen with
// Browse, a language, the Chinese licence, the installation and the
// speech-runtime question. Prints what happened, the installed tree and the
// exit code. The atlas names the payload folder, to compare the opened
// speech-runtime package with the one carried.
//   walk_wizard --setup=PATH --shots=FOLDER --atlas=PAYLOAD/ChnBmp.bin
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "install/shortcut_names.h"
#include "wizard/wizard_driver.h"

using namespace wizard;

namespace {

const DWORD kSettleMs = 800;  // time for a window to paint itself
const int kChosenLanguage = 1;  // "Chinese(Simplified)"
const char kPreferredParent[] = "[program files]";

std::string Shots;

std::string ShotsFolder(int argc, char** argv) {
    const char kPrefix[] = "--shots=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kPrefix, sizeof kPrefix - 1) == 0)
            return ToWindowsPath(argv[i] + sizeof kPrefix - 1);
    return ".";
}

bool Shoot(HWND window, const char* name) {
    Sleep(kSettleMs);
    std::string path = Shots + "\\" + name + ".png";
    bool saved = SavePng(CaptureWindow(window), path);
    std::printf("  screenshot %s: %s\n", saved ? "saved" : "NOT saved", path.c_str());
    return saved;
}

// Reports a step that did not go as the wizard should; the walk stops there.
bool Step(bool ok, const char* what) {
    std::printf("%s%s\n", ok ? "" : "FAILED: ", what);
    return ok;
}

// Shows, screenshots and answers the message box with the Chinese line.
bool AnswerMessage(const SetupProcess& setup, const char* chinese, const char* shot, int answer) {
    HWND box = WaitForBox(setup, chinese);
    if (!Step(box != nullptr, "message box shown")) return false;
    std::printf("  \"%s\"\n", TextOf(GetDlgItem(box, IDC_MB_ENGLISH_LINE)).c_str());
    Shoot(box, shot);
    return Step(AnswerBox(box, answer), answer == IDC_MB_OK ? "  answered OK" : "  answered Cancel");
}

std::string AttributeLetters(DWORD attributes) {
    std::string letters;
    letters += attributes & FILE_ATTRIBUTE_READONLY ? 'R' : '-';
    letters += attributes & FILE_ATTRIBUTE_HIDDEN ? 'H' : '-';
    letters += attributes & FILE_ATTRIBUTE_ARCHIVE ? 'A' : '-';
    return letters;
}

void PrintFiles(const std::string& folder, const char* pattern) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\" + pattern).c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        std::printf("    (none)\n");
        return;
    }
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::printf("    %s %9lu  %s\n", AttributeLetters(entry.dwFileAttributes).c_str(),
                    static_cast<unsigned long>(entry.nFileSizeLow), entry.cFileName);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

std::string SpecialFolder(int id) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, id, nullptr, 0, path);
    return path;
}

void PrintSettingsKey(const std::string& installDir) {
    const std::string settings = ReadAll(installDir + "\\QuilleryUI.ini");
    const size_t at = settings.find("UILanguage=");
    if (at == std::string::npos) {
        std::printf("  settings key: not found\n");
        return;
    }
    std::printf("  settings key: %s\n", settings.substr(at, settings.find_first_of("\r\n", at) - at).c_str());
}

void PrintShortcuts() {
    for (int language = 0; language <= 2; ++language) {
        const std::string name = ProgramShortcutName(language);
        const std::string group = SpecialFolder(CSIDL_PROGRAMS) + "\\" + name;
        if (!FolderExists(group)) continue;
        std::printf("  Start-menu group %s:\n", group.c_str());
        PrintFiles(group, "*.lnk");
        for (int folder : {CSIDL_DESKTOPDIRECTORY, CSIDL_STARTUP}) {
            const std::string link = SpecialFolder(folder) + "\\" + name + ".lnk";
            std::printf("  %s: %s\n", link.c_str(), FileExists(link) ? "present" : "absent");
        }
    }
}

void PrintInstalledTree(const std::string& installDir) {
    std::printf("installed into %s:\n", installDir.c_str());
    PrintFiles(installDir, "*");
    PrintSettingsKey(installDir);
    PrintShortcuts();
}

// What the stand-in for the package's installer was given, and what the
// installer left in the temporary folder once that had exited.
void PrintSpeechPackage(const std::string& record) {
    const std::string opened = ReadAll(record);
    if (opened.empty()) {
        std::printf("  speech-runtime package: not opened\n");
    } else {
        const size_t bytes = ReadAll(record + ".bytes").size();
        const bool asCarried = ReadAll(record + ".bytes") == ReadAll(PayloadFolder() + "\\" + kPackageName);
        std::printf("  speech-runtime package opened from %s (%lu bytes, %s)\n", opened.c_str(),
                    static_cast<unsigned long>(bytes), asCarried ? "as carried" : "NOT as carried");
    }
    std::printf("  left in the temporary folder: %s\n", PackageFolders().empty() ? "nothing" : "its folder");
}

// In the chooser, opens the preferred parent folder when the drive root
// lists it, and takes the folder with OK. Returns the path field's text.
std::string ChooseFolder(HWND wizard) {
    ClickButton(wizard, IDC_BROWSE);
    HWND chooser = WaitForChooser(wizard);
    if (!Step(chooser != nullptr, "Browse: folder chooser open")) return "";
    std::printf("  opened on %s\n", TextOf(GetDlgItem(chooser, kChooserCurrentFolder)).c_str());
    Shoot(chooser, "08-folder-chooser");
    while (OpenChooserEntry(chooser, "[..]")) {
    }
    if (OpenChooserEntry(chooser, kPreferredParent))
        std::printf("  opened %s\n", TextOf(GetDlgItem(chooser, kChooserCurrentFolder)).c_str());
    Shoot(chooser, "09-folder-chooser-folder-opened");
    ClickButton(chooser, IDOK);
    Step(WaitUntil([&] { return !IsWindow(chooser); }), "  OK pressed");
    return TextOf(GetDlgItem(wizard, IDC_PATH_FIELD));
}

// The whole walk; returns false where the wizard did not do what it should.
bool Walk(const SetupProcess& setup, HWND wizard, std::string* installDir) {
    std::printf("folder page: path \"%s\", desktop icon %s, auto-start %s\n",
                TextOf(GetDlgItem(wizard, IDC_PATH_FIELD)).c_str(),
                IsChecked(wizard, IDC_DESKTOP_OPTION) ? "on" : "off",
                IsChecked(wizard, IDC_AUTOSTART_OPTION) ? "on" : "off");
    Shoot(wizard, "01-folder-page");
    const std::string wrong = WindowsDrive() + "\\Korvo-missing\\LectorQuillery";
    SetText(wizard, IDC_PATH_FIELD, wrong);
    std::printf("typed a folder two levels below a missing one: %s\n", wrong.c_str());
    Shoot(wizard, "02-folder-page-wrong-folder");

    if (!Step(PressAndWaitForPage(wizard, IDC_NEXT, 1), "Next: language page")) return false;
    SendMessageA(GetDlgItem(wizard, IDC_LANGUAGE_LIST), CB_SETCURSEL, kChosenLanguage, 0);
    std::printf("  chose %s\n",
                ListText(GetDlgItem(wizard, IDC_LANGUAGE_LIST), kChosenLanguage, CB_GETLBTEXTLEN, CB_GETLBTEXT)
                    .c_str());
    Shoot(wizard, "03-language-page");
    if (!Step(PressAndWaitForPage(wizard, IDC_NEXT, 2), "Next: licence page, English")) return false;
    Shoot(wizard, "04-licence-english");
    ClickButton(wizard, IDC_LICENCE_SWITCH);
    if (!Step(WaitUntil([&] { return IsShown(wizard, IDC_LICENCE_LIST); }), "switch unchecked: licence in Chinese"))
        return false;
    std::printf("  %d lines\n", static_cast<int>(ListBoxLines(GetDlgItem(wizard, IDC_LICENCE_LIST)).size()));
    Shoot(wizard, "05-licence-chinese");

    ClickButton(wizard, IDC_NEXT);
    std::printf("Agree/Install:\n");
    if (!AnswerMessage(setup, "无法建目录。请检查所列目录是否合法（注意：子目录只能在已存在的目录下建）。",
                       "06-message-cannot-create-folder", IDC_MB_OK))
        return false;
    if (!Step(PressAndWaitForPage(wizard, IDC_BACK, 0), "Back: folder page")) return false;
    Shoot(wizard, "07-folder-page-after-back");

    *installDir = ChooseFolder(wizard);
    std::printf("  path field: %s\n", installDir->c_str());
    Shoot(wizard, "10-folder-page-folder-chosen");

    ClickButton(wizard, IDC_NEXT);
    if (!Step(WaitUntil([&] { return IsShown(wizard, IDC_PROGRESS); }), "Next: installing at once")) return false;
    Shoot(wizard, "11-installing");
    const DWORD start = GetTickCount();
    if (!AnswerMessage(setup, "祝贺您：安装顺利完成！", "12-message-installed", IDC_MB_OK)) return false;
    std::printf("  shown %lu ms after the installation began\n", static_cast<unsigned long>(GetTickCount() - start));
    return AnswerMessage(setup, "下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)",
                         "13-message-speech-runtime", IDC_MB_OK);
}

}  // namespace

int main(int argc, char** argv) {
    ReadDriverArguments(&argc, argv);
    Shots = ShotsFolder(argc, argv);
    CreateDirectoryA(Shots.c_str(), nullptr);  // may exist already
    // The chooser opens in the installer's current directory, taken from here.
    SetCurrentDirectoryA((WindowsDrive() + "\\").c_str());
    SetupProcess setup;
    if (!setup.Start()) {
        std::printf("cannot start %s\n", SetupExecutablePath().c_str());
        return 1;
    }
    HWND wizard = setup.WaitForWindow(kWizardCaption);
    if (!wizard) {
        std::printf("the wizard did not open\n");
        return 1;
    }
    std::printf("wizard open: \"%s\"\n", kWizardCaption);
    // The shell hands the package to a stand-in of its installer, which
    // records what it read.
    const std::string record = Shots + "\\opened.txt";
    DeleteFileA(record.c_str());
    MsiRecorderAssociation association(OwnFolder() + "\\wizard\\open_recorder.exe", record);
    std::string installDir;
    const bool walked = Walk(setup, wizard, &installDir);
    const int code = setup.WaitForExit();
    std::printf("installer exit code: %d\n", code);
    if (!installDir.empty()) PrintInstalledTree(installDir);
    PrintSpeechPackage(record);
    return walked && code == 0 ? 0 : 1;
}

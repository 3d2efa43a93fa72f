#include "install/shortcuts.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "base/bounded_text.h"
#include "install/install_messages.h"
#include "install/legacy_folder_path.h"
#include "install/shell_folders.h"
#include "base/target_path.h"

namespace {

// Defined here so that no uuid library needs to be linked.
const GUID kClsidShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

const int kFirstIcon = 0;
const char kLinkFormat[] = "%s\\%s.lnk";

int ReportNoStartMenuEntry(InstallationReport& report) {
    report.ShowNotice(kMessageNoStartMenuEntryChinese, kMessageNoStartMenuEntryEnglish);
    return 0;
}

int ReportNoGroupFolder(const char* folder, InstallationReport& report) {
    char chinese[kPathCapacity];
    if (FormatText(chinese, sizeof chinese, kMessageNoGroupFolderChineseFormat, folder) < 0)
        CopyTextCut(chinese, sizeof chinese, kMessageNoGroupFolderChineseShort);
    report.ShowNotice(chinese, kMessageNoGroupFolderEnglish);
    return 0;
}

// Creates folder (one level) unless a file or folder of that name exists.
int EnsureFolder(const char* folder) {
    if (GetFileAttributesA(folder) != INVALID_FILE_ATTRIBUTES) return 1;
    return CreateDirectoryA(folder, nullptr) ? 1 : 0;
}

// Makes the link of one entry in folder; 0 when a path does not fit or the
// link is not saved.
int CreateEntryLink(const char* folder, const ShortcutEntry& entry, const char* installDir) {
    char linkPath[kPathCapacity];
    char targetPath[kPathCapacity];
    if (FormatText(linkPath, sizeof linkPath, kLinkFormat, folder, entry.displayName) < 0) return 0;
    if (!JoinPath(targetPath, sizeof targetPath, installDir, entry.targetFile)) return 0;
    return CreateShellLink(targetPath, linkPath, entry.displayName);
}

void SetWorkingDirectoryFromTarget(IShellLinkA* link, const char* targetPath) {
    char directory[kPathCapacity];
    if (FormatText(directory, sizeof directory, "%s", targetPath) < 0) return;
    // The file names joined here are ASCII, so the last backslash is the
    // separator and never the trail byte of a double-byte character.
    char* separator = std::strrchr(directory, '\\');
    if (!separator) return;
    *separator = '\0';
    // A link without a working directory still starts its target.
    link->SetWorkingDirectory(directory);
}

int SaveLinkFile(IPersistFile* file, const char* linkPath) {
    WCHAR wideLinkPath[kPathCapacity];
    if (!MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wideLinkPath, kPathCapacity)) return 0;
    return SUCCEEDED(file->Save(wideLinkPath, TRUE)) ? 1 : 0;
}

int DescribeAndSaveLink(IShellLinkA* link, const char* targetPath, const char* linkPath,
                        const char* description) {
    if (FAILED(link->SetPath(targetPath))) return 0;
    // Description and icon only dress the link; it works without them.
    link->SetDescription(description);
    link->SetIconLocation(targetPath, kFirstIcon);
    SetWorkingDirectoryFromTarget(link, targetPath);
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(kIidPersistFile, reinterpret_cast<void**>(&file)))) return 0;
    int saved = SaveLinkFile(file, linkPath);
    file->Release();
    return saved;
}

int SaveShellLink(const char* targetPath, const char* linkPath, const char* description) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, kIidShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return 0;
    int saved = DescribeAndSaveLink(link, targetPath, linkPath, description);
    link->Release();
    return saved;
}

}  // namespace

int CreateShellLink(const char* targetPath, const char* linkPath, const char* description) {
    if (FAILED(CoInitialize(nullptr))) return 0;
    int saved = SaveShellLink(targetPath, linkPath, description);
    CoUninitialize();
    return saved;
}

int CreateShortcutGroup(const char* groupName, const ShortcutEntry* entries, int folderId,
                        const InstallationRequest& request, InstallationReport& report) {
    char folder[kPathCapacity];
    if (!GetSpecialFolderPath(folder, folderId, request.legacyShell, request.ntPlatform))
        return ReportNoStartMenuEntry(report);
    if (groupName && groupName[0]) {
        char group[kPathCapacity];
        if (!JoinPath(group, sizeof group, folder, groupName)) return ReportNoStartMenuEntry(report);
        if (!EnsureFolder(group)) return ReportNoGroupFolder(group, report);
        CopyTextCut(folder, sizeof folder, group);  // same capacity: never cut
    }
    int allSaved = 1;
    for (const ShortcutEntry* entry = entries; entry->displayName; ++entry)
        if (!CreateEntryLink(folder, *entry, request.installDir)) allSaved = 0;
    return allSaved ? 1 : ReportNoStartMenuEntry(report);
}

void CreateDesktopShortcut(const char* targetFile, const char* displayName, const InstallationRequest& request) {
    char targetPath[kPathCapacity];
    char folder[kPathCapacity];
    char linkPath[kPathCapacity];
    if (!JoinPath(targetPath, sizeof targetPath, request.installDir, targetFile)) return;
    if (!GetSpecialFolderPath(folder, kFolderDesktop, request.legacyShell, request.ntPlatform)) return;
    if (FormatText(linkPath, sizeof linkPath, kLinkFormat, folder, displayName) < 0) return;
    // The desktop shortcut is an extra: its failure is not reported.
    CreateShellLink(targetPath, linkPath, displayName);
}

#include "install/shortcuts.h"

#include <shlobj.h>

#include "base/bounded_text.h"
#include "base/late_calls.h"
#include "base/target_path.h"
#include "install/file_calls.h"
#include "install/install_messages.h"
#include "install/legacy_folder_path.h"
#include "install/retry_briefly.h"
#include "install/shell_folders.h"
#include "install/wide_path.h"

namespace {

// Defined here so that no uuid library needs to be linked.
const GUID kClsidShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

const int kFirstIcon = 0;
const unsigned kGbkCodePage = 936;  // the code page of the notices' Chinese line
const char kSeparator[] = "\\";
const char kLinkExtension[] = ".lnk";
// A link is saved under this name beside it, then moved over it: a crash
// leaves the old link or the new one, never a part of one. Shorter than
// any link's name, so it fits wherever the link does.
const WCHAR kSavingName[] = L"~lq.tmp";
const DWORD kReplaceLink = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

// The names, the installation folder and the code page of the names.
struct LinkSource {
    const char* installDir;  // ANSI
    UINT nameCodePage;
};

LinkSource SourceOf(const InstallationRequest& request) {
    return LinkSource{request.installDir, ShortcutNameCodePage(request.displayLanguage)};
}

int ReportNoStartMenuEntry(InstallationReport& report) {
    report.ShowNotice(kMessageNoStartMenuEntryChinese, kMessageNoStartMenuEntryEnglish);
    return 0;
}

// The Chinese line shows the path in GBK, as the rest of that line; a path
// that GBK cannot hold whole, or too long for the line, leaves it out.
int ReportNoGroupFolder(const WCHAR* folder, InstallationReport& report) {
    char gbkFolder[kPathCapacity];
    char chinese[kPathCapacity];
    BOOL lossy = FALSE;
    int converted = WideCharToMultiByte(kGbkCodePage, 0, folder, -1, gbkFolder, sizeof gbkFolder, nullptr, &lossy);
    if (!converted || lossy || FormatText(chinese, sizeof chinese, kMessageNoGroupFolderChineseFormat, gbkFolder) < 0)
        CopyTextCut(chinese, sizeof chinese, kMessageNoGroupFolderChineseShort);
    report.ShowNotice(chinese, kMessageNoGroupFolderEnglish);
    return 0;
}

// Creates folder (one level) unless a file or folder of that name exists.
int EnsureFolder(const WCHAR* folder) {
    if (CallGetFileAttributesW(folder) != INVALID_FILE_ATTRIBUTES) return 1;
    return CallCreateDirectoryW(folder) ? 1 : 0;
}

// "<folder>\<name>.lnk" into linkPath; 0 when it does not fit.
int ComposeLinkPath(WCHAR* linkPath, const WCHAR* folder, const char* name, UINT nameCodePage) {
    if (lstrlenW(folder) >= static_cast<int>(kPathCapacity)) return 0;
    lstrcpyW(linkPath, folder);
    return AppendConverted(linkPath, kSeparator, CP_ACP) && AppendConverted(linkPath, name, nameCodePage) &&
           AppendConverted(linkPath, kLinkExtension, CP_ACP);
}

// Makes the link of one entry in folder; 0 when a path or the name does not
// fit or convert, or the link is not saved.
int CreateEntryLink(const WCHAR* folder, const char* displayName, const char* targetFile,
                    const LinkSource& source, InstallationReport& report) {
    WCHAR linkPath[kPathCapacity];
    WCHAR targetPath[kPathCapacity];
    WCHAR description[kPathCapacity];
    if (!ComposeLinkPath(linkPath, folder, displayName, source.nameCodePage)) return 0;
    if (!ConvertPath(targetPath, source.installDir, CP_ACP) || !AppendConverted(targetPath, kSeparator, CP_ACP) ||
        !AppendConverted(targetPath, targetFile, CP_ACP))
        return 0;
    if (!ConvertPath(description, displayName, source.nameCodePage)) return 0;
    return CreateShellLink(targetPath, linkPath, description, report);
}

void SetWorkingDirectoryFromTarget(IShellLinkW* link, const WCHAR* targetPath) {
    WCHAR directory[kPathCapacity];
    if (lstrlenW(targetPath) >= static_cast<int>(kPathCapacity)) return;
    lstrcpyW(directory, targetPath);
    WCHAR* separator = nullptr;
    for (WCHAR* p = directory; *p; ++p)
        if (*p == L'\\') separator = p;
    if (!separator) return;
    *separator = L'\0';
    // A link without a working directory still starts its target.
    link->SetWorkingDirectory(directory);
}

// Saves the link whole under its saving name, then moves it over linkPath.
// A move refused for a moment (the shell or a scanner reading the old
// link) is tried again.
int SaveBeside(IPersistFile* file, const WCHAR* linkPath, InstallationReport& report) {
    WCHAR saving[kPathCapacity];
    int folderLength = lstrlenW(linkPath);
    while (folderLength > 0 && linkPath[folderLength - 1] != L'\\') --folderLength;
    if (folderLength + lstrlenW(kSavingName) >= static_cast<int>(kPathCapacity)) return 0;
    lstrcpynW(saving, linkPath, folderLength + 1);
    lstrcpyW(saving + folderLength, kSavingName);
    // Left by a run that was cut off while saving: of no use to anyone.
    CallDeleteFileW(saving);
    BeforeOtherFileCall();
    // Not remembered as the link's file: it is renamed at once.
    if (FAILED(file->Save(saving, FALSE))) {
        CallDeleteFileW(saving);
        return 0;
    }
    if (RetryBriefly([&] { return CallMoveFileW(saving, linkPath, kReplaceLink) ? 1 : 0; }, report)) return 1;
    CallDeleteFileW(saving);
    return 0;
}

int DescribeAndSaveLink(IShellLinkW* link, const WCHAR* targetPath, const WCHAR* linkPath,
                        const WCHAR* description, InstallationReport& report) {
    if (FAILED(link->SetPath(targetPath))) return 0;
    // Description and icon only dress the link; it works without them.
    link->SetDescription(description);
    link->SetIconLocation(targetPath, kFirstIcon);
    SetWorkingDirectoryFromTarget(link, targetPath);
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(kIidPersistFile, reinterpret_cast<void**>(&file)))) return 0;
    int saved = SaveBeside(file, linkPath, report);
    file->Release();
    return saved;
}

int SaveShellLink(const WCHAR* targetPath, const WCHAR* linkPath, const WCHAR* description,
                  InstallationReport& report) {
    IShellLinkW* link = nullptr;
    if (FAILED(LateCoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, kIidShellLinkW,
                                    reinterpret_cast<void**>(&link))))
        return 0;
    int saved = DescribeAndSaveLink(link, targetPath, linkPath, description, report);
    link->Release();
    return saved;
}

}  // namespace

int CreateShellLink(const WCHAR* targetPath, const WCHAR* linkPath, const WCHAR* description,
                    InstallationReport& report) {
    if (FAILED(LateCoInitialize())) return 0;
    int saved = SaveShellLink(targetPath, linkPath, description, report);
    LateCoUninitialize();
    return saved;
}

int CreateShortcutGroup(const char* groupName, const ShortcutEntry* entries, int folderId,
                        const InstallationRequest& request, InstallationReport& report) {
    LinkSource source = SourceOf(request);
    WCHAR folder[kPathCapacity];
    if (!GetSpecialFolderPath(folder, folderId, request.legacyShell, request.ntPlatform))
        return ReportNoStartMenuEntry(report);
    if (groupName && groupName[0]) {
        if (!AppendConverted(folder, kSeparator, CP_ACP) || !AppendConverted(folder, groupName, source.nameCodePage))
            return ReportNoStartMenuEntry(report);
        if (!EnsureFolder(folder)) return ReportNoGroupFolder(folder, report);
    }
    int allSaved = 1;
    for (const ShortcutEntry* entry = entries; entry->displayName; ++entry)
        if (!CreateEntryLink(folder, entry->displayName, entry->targetFile, source, report)) allSaved = 0;
    return allSaved ? 1 : ReportNoStartMenuEntry(report);
}

void CreateDesktopShortcut(const char* targetFile, const char* displayName, const InstallationRequest& request,
                           InstallationReport& report) {
    WCHAR folder[kPathCapacity];
    if (!GetSpecialFolderPath(folder, kFolderDesktop, request.legacyShell, request.ntPlatform)) return;
    // The desktop shortcut is an extra: its failure is not reported.
    CreateEntryLink(folder, displayName, targetFile, SourceOf(request), report);
}

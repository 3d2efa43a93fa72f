#include "install/shortcuts.h"

#include <shlobj.h>

#include "base/bounded_text.h"
#include "base/late_calls.h"
#include "base/target_path.h"
#include "install/file_calls.h"
#include "install/install_messages.h"
#include "install/legacy_folder_path.h"
#include "install/link_check.h"
#include "install/retry_briefly.h"
#include "install/shell_folders.h"
#include "install/shortcut_files.h"
#include "install/wide_path.h"

namespace {

// Defined here so that no uuid library needs to be linked.
const GUID kClsidShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

const int kFirstIcon = 0;
const unsigned kGbkCodePage = 936;  // the code page of the notices' Chinese line
const char kSeparator[] = "\\";
const char kLinkExtension[] = ".lnk";
// A link is saved under this name beside it, then moved over it: a crash
// leaves the old link or the new one (or, where no move replaces a file,
// for a moment none), never a part of one. Shorter than any link's name, so
// it fits wherever the link does.
const char kSavingName[] = "~lq.tmp";
// "Cannot create folder! " and a path.
const size_t kEnglishNoticeCapacity = kPathCapacity + 32;

// The names, the installation folder, the code page of the names and the
// form of the system's calls.
struct LinkSource {
    const char* installDir;  // ANSI
    UINT nameCodePage;
    int ntPlatform;
};

LinkSource SourceOf(const InstallationRequest& request) {
    return LinkSource{request.installDir, ShortcutNameCodePage(request.displayLanguage), request.ntPlatform};
}

int ReportNoStartMenuEntry(InstallationReport& report) {
    report.ShowNotice(kMessageNoStartMenuEntryChinese, kMessageNoStartMenuEntryEnglish);
    return 0;
}

// Both lines name the folder: the Chinese one in GBK, as the rest of that
// line, the English one in the ANSI code page. A line that cannot spell the
// path whole, or is too long for it, leaves it out.
int ReportNoGroupFolder(const WCHAR* folder, InstallationReport& report) {
    char gbkFolder[kPathCapacity];
    char chinese[kPathCapacity];
    BOOL lossy = FALSE;
    int converted = WideCharToMultiByte(kGbkCodePage, 0, folder, -1, gbkFolder, sizeof gbkFolder, nullptr, &lossy);
    if (!converted || lossy || FormatText(chinese, sizeof chinese, kMessageNoGroupFolderChineseFormat, gbkFolder) < 0)
        CopyTextCut(chinese, sizeof chinese, kMessageNoGroupFolderChineseShort);
    char ansiFolder[kPathCapacity];
    char english[kEnglishNoticeCapacity];
    if (!NarrowPath(ansiFolder, folder) ||
        FormatText(english, sizeof english, kMessageNoGroupFolderEnglishFormat, ansiFolder) < 0)
        CopyTextCut(english, sizeof english, kMessageNoGroupFolderEnglish);
    report.ShowNotice(chinese, english);
    return 0;
}

// "<folder>\<name>.lnk" into linkPath; 0 when it does not fit.
int ComposeLinkPath(WCHAR* linkPath, const WCHAR* folder, const char* name, UINT nameCodePage) {
    return CopyPath(linkPath, folder) && AppendConverted(linkPath, kSeparator, CP_ACP) &&
           AppendConverted(linkPath, name, nameCodePage) && AppendConverted(linkPath, kLinkExtension, CP_ACP);
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
    return CreateShellLink(targetPath, linkPath, description, source.ntPlatform, report);
}

// What a link holds, wide.
struct LinkTexts {
    const WCHAR* target;
    WCHAR directory[kPathCapacity];  // the target's folder; "" for a target without one
    const WCHAR* description;
};

// The length of path up to its last "\"; 0 without one.
int FolderLength(const WCHAR* path) {
    int length = lstrlenW(path);
    while (length > 0 && path[length - 1] != L'\\') --length;
    return length;
}

int FillLinkTexts(LinkTexts* texts, const WCHAR* target, const WCHAR* description) {
    texts->target = target;
    texts->description = description;
    if (!CopyPath(texts->directory, target)) return 0;
    const int folder = FolderLength(target);
    texts->directory[folder ? folder - 1 : 0] = L'\0';
    return 1;
}

// Gives the link object (IShellLinkA with char, IShellLinkW with WCHAR) its
// target, description, icon and working directory. 0 when the target is
// refused.
template <typename Link, typename Char>
int DressLink(Link* link, const Char* target, const Char* directory, const Char* description) {
    if (FAILED(link->SetPath(target))) return 0;
    // Description, icon and working directory only dress the link; it works
    // without them.
    link->SetDescription(description);
    link->SetIconLocation(target, kFirstIcon);
    if (directory[0]) link->SetWorkingDirectory(directory);
    return 1;
}

int DressWideLink(void* link, const LinkTexts& texts) {
    return DressLink(static_cast<IShellLinkW*>(link), texts.target, texts.directory, texts.description);
}

// The ANSI link object takes its texts in the ANSI code page.
int DressAnsiLink(void* link, const LinkTexts& texts) {
    char target[kPathCapacity], directory[kPathCapacity], description[kPathCapacity];
    if (!NarrowPath(target, texts.target) || !NarrowPath(directory, texts.directory) ||
        !NarrowPath(description, texts.description))
        return 0;
    return DressLink(static_cast<IShellLinkA*>(link), target, directory, description);
}

// The shell's link object in the form the system implements: Unicode on
// NT, ANSI elsewhere (Windows 9x has no IShellLinkW). Both save through
// IPersistFile, which takes its path in Unicode on every system.
struct LinkForm {
    const GUID* interfaceId;
    int (*dress)(void* link, const LinkTexts& texts);
};
const LinkForm kAnsiLink = {&kIidShellLinkA, DressAnsiLink};
const LinkForm kWideLink = {&kIidShellLinkW, DressWideLink};

// "<folder of linkPath>\~lq.tmp" into saving; 0 when it does not fit.
int ComposeSavingPath(WCHAR* saving, const WCHAR* linkPath) {
    if (!CopyPath(saving, linkPath)) return 0;
    saving[FolderLength(linkPath)] = L'\0';
    return AppendConverted(saving, kSavingName, CP_ACP);
}

// Saves the link whole under its saving name, then moves it over linkPath.
// A move refused for a moment (the shell or a scanner reading the old
// link) is tried again.
int SaveBeside(IPersistFile* file, const WCHAR* linkPath, int ntPlatform, InstallationReport& report) {
    WCHAR saving[kPathCapacity];
    if (!ComposeSavingPath(saving, linkPath)) return 0;
    // Left by a run that was cut off while saving: of no use to anyone.
    DeleteShortcutFile(saving, ntPlatform);
    BeforeOtherFileCall("IPersistFile::Save");
    // Not remembered as the link's file: it is renamed at once.
    if (FAILED(file->Save(saving, FALSE))) {
        DeleteShortcutFile(saving, ntPlatform);
        return 0;
    }
    if (RetryBriefly([&] { return ReplaceShortcutFile(saving, linkPath, ntPlatform); }, report)) return 1;
    DeleteShortcutFile(saving, ntPlatform);
    return 0;
}

int DescribeAndSaveLink(void* link, const LinkForm& form, const LinkTexts& texts, const WCHAR* linkPath,
                        int ntPlatform, InstallationReport& report) {
    if (!form.dress(link, texts)) return 0;
    IPersistFile* file = nullptr;
    if (FAILED(static_cast<IUnknown*>(link)->QueryInterface(kIidPersistFile, reinterpret_cast<void**>(&file))))
        return 0;
    int saved = SaveBeside(file, linkPath, ntPlatform, report);
    file->Release();
    return saved;
}

int SaveShellLink(const LinkTexts& texts, const WCHAR* linkPath, int ntPlatform, InstallationReport& report) {
    const LinkForm& form = ntPlatform ? kWideLink : kAnsiLink;
    void* link = nullptr;
    if (FAILED(LateCoCreateInstance(kClsidShellLink, nullptr, CLSCTX_INPROC_SERVER, *form.interfaceId, &link)))
        return 0;
    int saved = DescribeAndSaveLink(link, form, texts, linkPath, ntPlatform, report);
    static_cast<IUnknown*>(link)->Release();
    return saved;
}

}  // namespace

int CreateShellLink(const WCHAR* targetPath, const WCHAR* linkPath, const WCHAR* description, int ntPlatform,
                    InstallationReport& report) {
    LinkTexts texts;
    if (!FillLinkTexts(&texts, targetPath, description)) return 0;
    if (FAILED(LateCoInitialize())) return 0;
    // Each link takes the shell some milliseconds: the wizard answers
    // between them.
    report.Pulse();
    int saved = SaveShellLink(texts, linkPath, ntPlatform, report);
    LateCoUninitialize();
    report.Pulse();
    return saved;
}

int CreateShortcutGroup(const char* groupName, const ShortcutEntry* entries, int folderId,
                        const InstallationRequest& request, InstallationReport& report) {
    LinkSource source = SourceOf(request);
    SpecialFolder folder;
    if (!GetSpecialFolderPath(&folder, folderId, request.legacyShell, request.ntPlatform))
        return ReportNoStartMenuEntry(report);
    int levels = folder.ownLevels;
    if (groupName && groupName[0]) {
        if (!AppendConverted(folder.path, kSeparator, CP_ACP) ||
            !AppendConverted(folder.path, groupName, source.nameCodePage))
            return ReportNoStartMenuEntry(report);
        ++levels;
    }
    if (!EnsureFolderLevels(folder.path, levels, request.ntPlatform)) return ReportNoGroupFolder(folder.path, report);
    int allSaved = 1;
    for (const ShortcutEntry* entry = entries; entry->displayName; ++entry)
        if (!CreateEntryLink(folder.path, entry->displayName, entry->targetFile, source, report)) allSaved = 0;
    return allSaved ? 1 : ReportNoStartMenuEntry(report);
}

void CreateDesktopShortcut(const char* targetFile, const char* displayName, const InstallationRequest& request,
                           InstallationReport& report) {
    SpecialFolder folder;
    // The desktop shortcut is an extra: its failure is not reported.
    if (!GetSpecialFolderPath(&folder, kFolderDesktop, request.legacyShell, request.ntPlatform) ||
        !EnsureFolderLevels(folder.path, folder.ownLevels, request.ntPlatform))
        return;
    CreateEntryLink(folder.path, displayName, targetFile, SourceOf(request), report);
}

namespace {

// Whether the group folder (when groupName is given) or a link of entries
// in the special folder folderId is a link.
int ListHasALink(const char* groupName, const ShortcutEntry* entries, int folderId,
                 const InstallationRequest& request) {
    const LinkSource source = SourceOf(request);
    SpecialFolder folder;
    if (!GetSpecialFolderPath(&folder, folderId, request.legacyShell, request.ntPlatform)) return 0;
    if (groupName && groupName[0]) {
        if (!AppendConverted(folder.path, kSeparator, CP_ACP) ||
            !AppendConverted(folder.path, groupName, source.nameCodePage))
            return 0;
        if (IsLink(folder.path)) return 1;
    }
    for (const ShortcutEntry* entry = entries; entry->displayName; ++entry) {
        WCHAR linkPath[kPathCapacity];
        if (ComposeLinkPath(linkPath, folder.path, entry->displayName, source.nameCodePage) && IsLink(linkPath))
            return 1;
    }
    return 0;
}

}  // namespace

int AShortcutIsALink(const InstallationRequest& request) {
    // Only NT has links.
    if (!request.ntPlatform) return 0;
    const int language = request.displayLanguage;
    const char* name = ProgramShortcutName(language);
    const ShortcutEntry desktop[] = {{name, kProgramFile}, {nullptr, nullptr}};
    return ListHasALink(name, ProgramGroupEntries(language), kFolderPrograms, request) ||
           (request.desktopIconOption && ListHasALink(nullptr, desktop, kFolderDesktop, request)) ||
           (request.autoStartOption && ListHasALink(nullptr, StartupEntries(language), kFolderStartup, request));
}

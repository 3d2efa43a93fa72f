#include "install/run_installation.h"

#include <windows.h>

#include <cstdlib>

#include "base/unpredictable_value.h"
#include "install/install_folder.h"
#include "install/install_messages.h"
#include "install/installation_steps.h"
#include "install/legacy_folder_path.h"
#include "install/payload_files.h"
#include "install/payload_table.h"
#include "install/recover_installation.h"
#include "install/shortcut_names.h"
#include "install/shortcuts.h"

namespace {

// Every file goes through a piece of this size, whatever its size: the
// installation's memory does not grow with the payload.
const unsigned long kPieceSize = 256ul << 10;

// Moves the bar with the bytes written within one stretch.
class StretchProgress : public ExtractionProgress {
public:
    StretchProgress(InstallationReport& report, int* current, int to, unsigned long long total)
        : report_(report), current_(current), from_(*current), to_(to), total_(total), done_(0) {}

    void PieceWritten(unsigned long length) override {
        done_ += length;
        const int percent = ProgressWithin(from_, to_, done_, total_);
        if (percent != *current_) {
            *current_ = percent;
            report_.MoveProgress(percent);
        }
        report_.Pulse();
    }

private:
    InstallationReport& report_;
    int* current_;
    int from_, to_;
    unsigned long long total_, done_;
};

struct Installation {
    const InstallationRequest& request;
    InstallationReport& report;
    unsigned char* piece;
    PayloadFileSet files;
    int progress;  // where the bar stands
    InstallationOutcome outcome;
};

// The bytes of entries [first, end).
unsigned long long BytesOf(int first, int end) {
    unsigned long long total = 0;
    for (int i = first; i < end; ++i) total += PayloadTable[i].size;
    return total;
}

// Writes the entries up to order `through` beside their targets while the
// bar moves towards the stretch's end; stops at the first that fails.
int ExtractThrough(Installation* run, int through, int stretchEnd) {
    const int end = ExtractionEnd(through, PayloadTableCount);
    StretchProgress progress(run->report, &run->progress, stretchEnd, BytesOf(run->files.staged, end));
    while (run->files.staged < end)
        if (!StagePayloadFile(&run->files, run->piece, kPieceSize, run->request.uiLanguage, progress)) return 0;
    return 1;
}

// Puts every file in place, or none, and lets go of everything the files
// needed meanwhile. A shortcut to be replaced that is a link stops it all
// before anything changes.
int PutFilesInPlace(Installation* run) {
    const CommitOutcome outcome = AShortcutIsALink(run->request)
                                      ? kCommitRolledBack
                                      : CommitPayloadFiles(&run->files, run->piece, kPieceSize, run->report);
    EndPayloadFiles(&run->files);
    if (outcome == kCommitted) return 1;
    run->outcome = outcome == kCommitNotRestored ? kNotRestored : kNotInstalled;
    return 0;
}

void SetProgress(Installation* run, int percent) {
    // A stretch may have brought the bar there already.
    if (percent == run->progress) return;
    run->progress = percent;
    run->report.SetProgress(percent);
}

// Carries out step index; 0 ends the installation as failed. The shortcuts
// do not decide: their failures are the user's to mend (the shortcut code
// has said so already).
int RunStep(int index, Installation* run) {
    const InstallationStep& step = InstallationSteps[index];
    const InstallationRequest& request = run->request;
    const char* name = ProgramShortcutName(request.displayLanguage);
    switch (step.action) {
    case kStepShowProgress:
        run->progress = step.value;
        run->report.ShowProgress(step.value);
        return 1;
    case kStepExtractThrough:
        return ExtractThrough(run, step.value, StretchEndProgress(index));
    case kStepPutFilesInPlace:
        return PutFilesInPlace(run);
    case kStepSetProgress:
        SetProgress(run, step.value);
        return 1;
    case kStepProgramGroup:
        CreateShortcutGroup(name, ProgramGroupEntries(request.displayLanguage), kFolderPrograms, request,
                            run->report);
        return 1;
    case kStepDesktopShortcut:
        if (request.desktopIconOption) CreateDesktopShortcut(kProgramFile, name, request, run->report);
        return 1;
    case kStepStartupShortcut:
        if (request.autoStartOption)
            CreateShortcutGroup(nullptr, StartupEntries(request.displayLanguage), kFolderStartup, request,
                                run->report);
        return 1;
    }
    return 1;
}

// Finishes what interrupted runs left, then runs every step.
void InstallInto(const InstallFolder& folder, Installation* run) {
    const RunId id = MakeRunId(GetCurrentProcessId(), static_cast<unsigned long>(UnpredictableValue()));
    if (!BeginPayloadFiles(&run->files, folder, PayloadTable, PayloadTableCount, id)) return;
    const Recovery recovery = RecoverInterruptedRuns(folder, PayloadTable, PayloadTableCount, id, run->report);
    if (recovery == kNotRecovered) run->outcome = kNotRestored;
    if (recovery == kRecovered) {
        int succeeded = 1;
        for (int i = 0; i < InstallationStepCount && succeeded; ++i) succeeded = RunStep(i, run);
        if (succeeded) run->outcome = kInstalled;
    }
    // A failed installation adds nothing to the folder: what was written
    // and not put in place goes.
    EndPayloadFiles(&run->files);
}

}  // namespace

InstallationOutcome RunInstallation(const InstallationRequest& request, InstallationReport& report) {
    unsigned char* piece = static_cast<unsigned char*>(std::malloc(kPieceSize));
    if (!piece) {
        report.ShowNotice(kMessageNoMemoryChinese, kMessageNoMemoryEnglish);
        return kNotInstalled;
    }
    Installation run = {request, report, piece, PayloadFileSet(), 0, kNotInstalled};
    InstallFolder folder;
    if (HoldInstallFolder(request.installDir, request.ntPlatform, &folder) == kFolderHeld) {
        InstallInto(folder, &run);
        ReleaseInstallFolder(&folder);
    }
    std::free(piece);
    return run.outcome;
}

// Installation benchmark: the time RunInstallation takes from its first file
// to its last (progress 10 to progress 90) for the payload it carries,
// beside a floor measured alternately in the same run: the same resources
// inflated with uncompress and written with one fwrite each. Prints medians
// of several rounds, and how much of the installation's time the progress
// bar's repaints take. Each round starts as the user's does: the wizard
// made as start-up makes it (the bar a stand-in until the report is made),
// painted and idle, waiting for the click.
//   bench_install [--rounds=N] [--work=DIR]
#include <windows.h>
#include <commctrl.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver/files.h"
#include "install/file_calls.h"
#include "install/payload_table.h"
#include "install/run_installation.h"
#include "resources/resource_ids.h"
#include "setup/installation_report.h"
#include "setup/progress_class.h"

namespace {

const int kFirstFileProgress = 10;          // set just before the first file
const int kLastFileProgress = 90;           // set just after the last file

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

WNDPROC OriginalBarProc = nullptr;
double FirstFileAt = 0, LastFileAt = 0;

LRESULT CALLBACK TimingBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == PBM_SETPOS && static_cast<int>(wParam) == kFirstFileProgress) FirstFileAt = Now();
    if (message == PBM_SETPOS && static_cast<int>(wParam) == kLastFileProgress) LastFileAt = Now();
    return CallWindowProcA(OriginalBarProc, bar, message, wParam, lParam);
}

// The real bar exists once the report is made; it is timed from then on.
void TimeBar(HWND dialog) {
    HWND bar = GetDlgItem(dialog, IDC_PROGRESS);
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(bar, GWLP_WNDPROC)) == TimingBarProc) return;
    OriginalBarProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TimingBarProc)));
}

// What the wizard's message loop does before the click: everything painted
// and shown, the queue empty.
void WaitIdle() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The wizard's report, timed: how much of the installation the progress bar
// takes.
class TimedReport : public InstallationReport {
public:
    explicit TimedReport(HWND dialog) : wizard_(dialog) { TimeBar(dialog); }
    void ShowProgress(int percent) override {
        double start = Now();
        wizard_.ShowProgress(percent);
        Count(percent, Now() - start);
    }
    void SetProgress(int percent) override {
        double start = Now();
        wizard_.SetProgress(percent);
        Count(percent, Now() - start);
    }
    void MoveProgress(int percent) override {
        double start = Now();
        wizard_.MoveProgress(percent);
        Count(percent, Now() - start);
    }
    void ShowNotice(const char* chinese, const char* english) override { wizard_.ShowNotice(chinese, english); }
    void Pulse() override { wizard_.Pulse(); }
    double seconds = 0;  // in the calls from the first file's value to the last's

private:
    void Count(int percent, double spent) {
        // The stretch begins as the first file's value arrives and ends as
        // the last file's does: the paint of the first is inside it, of the
        // last outside.
        if (percent >= kFirstFileProgress && percent < kLastFileProgress) seconds += spent;
    }
    ProgressBarReport wizard_;
};

// The time spent in FlushFileBuffers, from each flush's start to the next
// file call: what making the files durable costs.
double FlushSeconds = 0, FlushStartedAt = 0;

void TimeFlushes(const char* call, int) {
    const double now = Now();
    if (FlushStartedAt > 0) FlushSeconds += now - FlushStartedAt;
    FlushStartedAt = std::strcmp(call, "FlushFileBuffers") == 0 ? now : 0;
}

// How long the wizard keeps a message waiting during the installation: a
// second thread sends it one message after another, as the system and
// other programs do, and keeps the longest wait for the answer.
struct AnswerWatch {
    HWND dialog;
    volatile LONG running;
    double longest;
};

DWORD WINAPI WatchAnswers(void* context) {
    AnswerWatch* watch = static_cast<AnswerWatch*>(context);
    const UINT kGiveUpMs = 60000;
    while (watch->running) {
        const double sent = Now();
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(watch->dialog, WM_NULL, 0, 0, SMTO_NORMAL, kGiveUpMs, &ignored);
        watch->longest = std::max(watch->longest, Now() - sent);
        Sleep(1);
    }
    return 0;
}

// Seconds from the first file to the last, or a negative value on failure:
// the wizard's own report, so the progress bar's repaints count; *bar gets
// the seconds of those repaints.
double TimeInstallation(const std::string& folder, HWND dialog, double* bar, double* longestWait) {
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    InstallationRequest request = {folder.c_str(), 0, 0, 0, 1, 0, 0};
    TimedReport report(dialog);
    FirstFileAt = LastFileAt = 0;
    FlushSeconds = FlushStartedAt = 0;
    ObserveFileCalls(TimeFlushes);
    AnswerWatch watch = {dialog, 1, 0};
    HANDLE watcher = CreateThread(nullptr, 0, WatchAnswers, &watch, 0, nullptr);
    const InstallationOutcome outcome = RunInstallation(request, report);
    watch.running = 0;
    // Its last message is answered here, as the wizard's loop would.
    while (watcher && MsgWaitForMultipleObjects(1, &watcher, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }
    if (watcher) CloseHandle(watcher);
    *longestWait = watch.longest;
    ObserveFileCalls(nullptr);
    if (outcome != kInstalled) return -1;
    *bar = report.seconds;
    return LastFileAt - FirstFileAt;
}

// The floor: each resource inflated and written with one fwrite.
double TimeFloor(const std::string& folder, unsigned char* buffer, unsigned long* bytes) {
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    double start = Now();
    *bytes = 0;
    for (int i = 0; i < PayloadTableCount; ++i) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(PayloadTable[i].resourceId), "TEXT");
        HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (!data) return -1;
        uLongf length = PayloadLargestFileSize;  // as RunInstallation's
        if (uncompress(buffer, &length, static_cast<const Bytef*>(data), SizeofResource(nullptr, found)) != Z_OK)
            return -1;
        std::FILE* file = std::fopen((folder + "\\" + PayloadTable[i].fileName).c_str(), "wb");
        if (!file) return -1;
        size_t written = std::fwrite(buffer, 1, length, file);
        if (std::fclose(file) != 0 || written != length) return -1;
        *bytes += length;
    }
    return Now() - start;
}

std::string DefaultWork() {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "lq_bench_install";
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = 9;
    std::string work = DefaultWork();
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--rounds=", 9) == 0) rounds = std::max(1, std::atoi(argv[i] + 9));
        if (std::strncmp(argv[i], "--work=", 7) == 0) work = argv[i] + 7;
    }
    if (!RegisterProgressBarStandIn(GetModuleHandleA(nullptr))) return std::printf("no progress bar class\n"), 1;
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                     PassiveDialogProc, 0);
    if (!dialog) return std::printf("no dialog\n"), 1;
    CreateDirectoryA(work.c_str(), nullptr);
    std::vector<unsigned char> buffer(PayloadLargestFileSize + 1);

    std::vector<double> install, floor, bars, filesAlone, flushes, waits;
    unsigned long bytes = 0;
    for (int r = 0; r < rounds; ++r) {
        double bar = 0, wait = 0;
        WaitIdle();
        double i = TimeInstallation(work + "\\install", dialog, &bar, &wait);
        double f = TimeFloor(work + "\\floor", buffer.data(), &bytes);
        if (i < 0 || f < 0) return std::printf("round %d failed\n", r), 1;
        install.push_back(i);
        floor.push_back(f);
        bars.push_back(bar);
        flushes.push_back(FlushSeconds);
        waits.push_back(wait);
        filesAlone.push_back(i - bar);
    }
    RemoveTree(work + "\\install");
    RemoveTree(work + "\\floor");
    RemoveDirectoryA(work.c_str());
    DestroyWindow(dialog);

    double in = Median(install), fl = Median(floor);
    std::printf("payload: %d files, %lu bytes\n", PayloadTableCount, bytes);
    std::printf("RunInstallation, first to last file: median %.2f ms (%.1f MB/s) over %d rounds\n", in * 1000,
                bytes / in / 1e6, rounds);
    std::printf("  of which the progress bar's values: median %.2f ms\n", Median(bars) * 1000);
    std::printf("  of which flushing the files and the journal to the disk: median %.2f ms\n",
                Median(flushes) * 1000);
    std::printf("longest wait for the wizard to answer a message during the installation: median %.1f ms, "
                "worst %.1f ms\n",
                Median(waits) * 1000, *std::max_element(waits.begin(), waits.end()) * 1000);
    std::printf("floor, uncompress + one fwrite each: median %.2f ms (%.1f MB/s)\n", fl * 1000, bytes / fl / 1e6);
    std::printf("ratio installation/floor: %.2f (without the progress bar's repaints: %.2f)\n", in / fl,
                Median(filesAlone) / fl);
    return 0;
}

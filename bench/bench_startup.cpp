// Start-up benchmark: the time from process creation until the installer's
// wizard is visible, beside the same time for a program that only opens a
// window (the floor), measured alternately in the same run. Prints medians.
//   bench_startup --setup=PATH --floor=PATH [--runs=N]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver/setup_process.h"

namespace {

const DWORD kTimeoutMs = 30000;

std::string Argument(int argc, char** argv, const char* prefix, const char* fallback) {
    size_t n = std::strlen(prefix);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], prefix, n) == 0) return argv[i] + n;
    return fallback;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// One start: milliseconds until a visible window with the caption exists.
double TimeToWindow(const std::string& exe, const char* caption) {
    SetupProcess process;
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!process.Start(exe)) return -1;
    for (;;) {
        HWND window = FindWindowA(nullptr, caption);
        DWORD owner = 0;
        if (window) GetWindowThreadProcessId(window, &owner);
        QueryPerformanceCounter(&now);
        if (window && owner == process.Id() && IsWindowVisible(window)) break;
        if (Seconds(start, now) * 1000 > kTimeoutMs || !process.IsRunning()) return -1;
        Sleep(1);
    }
    return Seconds(start, now) * 1000;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    std::string setup = ToWindowsPath(Argument(argc, argv, "--setup=", ""));
    std::string floor = ToWindowsPath(Argument(argc, argv, "--floor=", ""));
    int runs = std::atoi(Argument(argc, argv, "--runs=", "9").c_str());
    std::vector<double> setupMs, floorMs;
    for (int i = 0; i < runs; ++i) {
        floorMs.push_back(TimeToWindow(floor, "Startup Floor"));
        setupMs.push_back(TimeToWindow(setup, "LectorQuillery Installer"));
        if (floorMs.back() < 0 || setupMs.back() < 0) {
            std::printf("a start failed\n");
            return 1;
        }
    }
    double s = Median(setupMs), f = Median(floorMs);
    std::printf("start-up to visible wizard: median %.1f ms over %d runs\n", s, runs);
    std::printf("floor (window-only program): median %.1f ms\n", f);
    std::printf("ratio: %.2f\n", s / f);
    return 0;
}

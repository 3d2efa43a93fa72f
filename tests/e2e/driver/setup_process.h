// Driving the installer from a test: start it as a child process, find its
// windows and controls, press buttons and keys through window messages, wait
// for its exit code. Used by the end-to-end tests that run under Wine.
#ifndef LQ_TESTS_SETUP_PROCESS_H
#define LQ_TESTS_SETUP_PROCESS_H

#include <windows.h>

#include <string>
#include <vector>

// The installer's path, given to the test executable as --setup=PATH.
const std::string& SetupExecutablePath();
// A folder for the test's own files, given as --work=PATH.
const std::string& WorkFolder();

// Parses --setup= and --work= (Unix paths are turned into Wine's Z: paths)
// and removes them from argv. Call before InitGoogleTest.
void ReadDriverArguments(int* argc, char** argv);

// "/a/b" -> "Z:\a\b"; a path with a drive letter is returned unchanged.
std::string ToWindowsPath(const std::string& path);

class SetupProcess {
public:
    SetupProcess() = default;
    ~SetupProcess();  // kills a process that is still running
    SetupProcess(const SetupProcess&) = delete;
    SetupProcess& operator=(const SetupProcess&) = delete;

    // Starts exe (default: the installer) with an optional environment block.
    bool Start(const std::string& exe = SetupExecutablePath(), const char* environment = nullptr);
    // Starts exe with a command-line tail (arguments after the program name).
    bool StartWithArguments(const std::string& exe, const std::string& arguments);
    // The first visible top-level window of the process with this caption,
    // once the process is back in its message loop (WaitForMessageLoop), so
    // that what it does after showing the window (focus, activation) is done.
    HWND WaitForWindow(const char* caption, DWORD timeoutMs = 20000) const;
    // Waits for the exit; returns the exit code, or -1 after the timeout.
    int WaitForExit(DWORD timeoutMs = 20000) const;
    bool IsRunning() const;
    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_ = {};
};

// Child windows of a dialog in their creation (template) order.
std::vector<HWND> ChildWindows(HWND dialog);
std::string ClassOf(HWND window);
std::string TextOf(HWND window);

// Waits until the thread that owns window is back in its message loop;
// false when it is not within timeoutMs. A message from another process is
// handled only when that thread asks for its next message: whatever it was
// doing then (a command, the start-up) is complete, not just the part of it
// that is already seen.
bool WaitForMessageLoop(HWND window, DWORD timeoutMs = 20000);

// Gives the keyboard focus to a control of a dialog in another process.
void FocusControl(HWND dialog, int id);
// Presses a button as a click does.
void ClickButton(HWND dialog, int id);
// Posts a key press (down and up) to a window.
void PressKey(HWND window, WPARAM key);
// Asks a window to close as its close box does.
void RequestClose(HWND window);

#endif

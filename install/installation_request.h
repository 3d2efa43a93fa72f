// What the wizard hands the installation engine, and the interface through
// which the engine reports back while it runs. The engine reads nothing of
// the wizard's own: every choice and system fact it acts on is in the
// request, and everything the user sees of it goes through the report.
// Platform-free.
#ifndef LQ_INSTALL_INSTALLATION_REQUEST_H
#define LQ_INSTALL_INSTALLATION_REQUEST_H

struct InstallationRequest {
    // The user's choices.
    const char* installDir;  // an existing folder; with a file name it must fit kPathCapacity
    int uiLanguage;          // recorded in the settings file: 0 English, 1 Simplified, 2 Traditional
    int desktopIconOption;   // 1: a desktop shortcut
    int autoStartOption;     // 1: a Startup-folder shortcut
    // The system's facts, read once at start-up.
    int ntPlatform;       // the platform is NT
    int legacyShell;      // major version 3: special folders are composed by hand
    int displayLanguage;  // names the shortcuts: 0 English, 1 Simplified, 2 Traditional
};

// Implemented by whoever shows the installation: the wizard on its progress
// bar and message box, a test by recording. Every call returns once the user
// has seen what it shows.
class InstallationReport {
public:
    // Makes the progress indicator visible, standing at percent (0..100).
    virtual void ShowProgress(int percent) = 0;
    // Moves the visible progress indicator to percent, one of the steps'
    // values: shown at once.
    virtual void SetProgress(int percent) = 0;
    // Moves it to percent on its way between two steps' values, with the
    // bytes written: shown with the next repaint.
    virtual void MoveProgress(int percent) = 0;
    // Shows a notice with OK only: a Chinese MixedText line (GBK) and an
    // English line. The engine goes on once it is closed.
    virtual void ShowNotice(const char* chinese, const char* english) = 0;
    // Called between pieces of the work, a few milliseconds apart at most:
    // the wizard answers its messages here, taking no input meanwhile.
    virtual void Pulse() = 0;

protected:
    ~InstallationReport() {}
};

#endif

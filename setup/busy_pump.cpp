#include "setup/busy_pump.h"

#include <windows.h>

namespace {

// Bounds the repaints per call, so a window that never validates itself
// cannot hold the caller.
const int kPaintsPerCall = 32;

struct MessageRange {
    UINT first, last;
};
// Keyboard, client-area mouse and non-client mouse (close box, caption).
const MessageRange kInputMessages[] = {
    {WM_KEYFIRST, WM_KEYLAST},
    {WM_MOUSEFIRST, WM_MOUSELAST},
    {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK},
};

}  // namespace

void AnswerWhileBusy() {
    MSG message;
    // Each peek also answers the messages other threads have sent.
    for (const MessageRange& range : kInputMessages)
        while (PeekMessageA(&message, nullptr, range.first, range.last, PM_REMOVE)) {
        }
    for (int i = 0; i < kPaintsPerCall && PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
        DispatchMessageA(&message);
}

// Capturing what a window shows, as the screen shows it, and saving it as PNG
// so that a person can look at it.
#ifndef LQ_TESTS_SCREENSHOT_H
#define LQ_TESTS_SCREENSHOT_H

#include <windows.h>

#include <string>
#include <vector>

struct Image {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;  // row by row from the top, as COLORREF (0x00BBGGRR)
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The pixels of a screen rectangle.
Image CaptureScreenRect(const RECT& rect);
// The client area of a window (of any process), as on the screen.
Image CaptureClient(HWND window);
// The whole window, frame and caption included.
Image CaptureWindow(HWND window);

// Writes an 8-bit RGB PNG; returns false when the file cannot be written.
bool SavePng(const Image& image, const std::string& path);

#endif

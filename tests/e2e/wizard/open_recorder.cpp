// Stands in for the program the shell opens a .msi package with:
//   open_recorder RECORD_FILE OPENED_PATH
// writes OPENED_PATH into RECORD_FILE, so a test can see what was opened.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int kBadArguments = 2, kNotWritten = 1;
    if (__argc < 3) return kBadArguments;
    FILE* record = std::fopen(__argv[1], "wb");
    if (!record) return kNotWritten;
    const size_t length = std::strlen(__argv[2]);
    const bool written = std::fwrite(__argv[2], 1, length, record) == length;
    return std::fclose(record) == 0 && written ? 0 : kNotWritten;
}

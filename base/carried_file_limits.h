// What the installer can carry, show and rewrite: the limits that the
// installer's readers work within and that the payload packer checks every
// vendor file against before it packs anything, so a file beyond them fails
// the build instead of users' installations. Platform-free; relies on
// nothing.
#ifndef LQ_BASE_CARRIED_FILE_LIMITS_H
#define LQ_BASE_CARRIED_FILE_LIMITS_H

#include <cstddef>

// All carried files together, uncompressed: their packed forms are mapped
// with the executable in a 32-bit address space. No file has a limit of its
// own: each is decompressed piece by piece.
const unsigned long kCarriedPayloadSizeLimit = 1024ul << 20;

// A licence text and the zero byte stored after it share one buffer.
const size_t kLicenceBufferSize = 65536;
// The Chinese licence list shows no more lines than this.
const int kLicenceMaxLines = 500;
// A Chinese licence line and its terminator are drawn from a buffer this
// large; a longer line is not drawn.
const int kLicenceLineCapacity = 260;

// The product's settings file that the installer rewrites after writing it,
// and the largest such file it rewrites.
const char kSettingsFileName[] = "QuilleryUI.ini";
const unsigned long kSettingsSizeLimit = 4ul << 20;

#endif

// What the installer can carry, show and rewrite: the limits that the
// installer's readers work within and that the payload packer checks every
// vendor file against before it packs anything, so a file beyond them fails
// the build instead of users' installations. Platform-free; relies on
// nothing.
#ifndef LQ_BASE_CARRIED_FILE_LIMITS_H
#define LQ_BASE_CARRIED_FILE_LIMITS_H

#include <cstddef>

// One carried file, uncompressed. The installer maps its packed form with
// the executable and decompresses it into a buffer of its own size, both in
// a 32-bit address space.
const unsigned long kCarriedFileSizeLimit = 512ul << 20;
// All carried files together, uncompressed: the packed payload is mapped
// with the executable beside that buffer.
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

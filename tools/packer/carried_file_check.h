// Whether the installer can carry, show and rewrite one vendor file: the
// checks the packer makes on every file of the payload list before it packs
// anything. Each fault is described by a "why" that names the limit, for a
// message "<file name>: <why>". Platform-free; relies on the limits of
// base/carried_file_limits.h and render/atlas_format.h and on the installer's
// own licence line splitting.
#ifndef LQ_TOOLS_CARRIED_FILE_CHECK_H
#define LQ_TOOLS_CARRIED_FILE_CHECK_H

#include <string>

#include "payload_list.h"

// Whether a file of size bytes can be carried at all, decided before it is
// read. Returns true, or false with *why set.
bool CarriedSizeFits(unsigned long long size, std::string* why);

// Whether files of total bytes in all can be carried together. Returns
// true, or false with *why set.
bool CarriedTotalFits(unsigned long long total, std::string* why);

// Whether the installer can use the content of entry's file: the glyph
// atlas fits start-up's buffer, the licence texts fit the licence page, the
// settings file can be rewritten. Files with no such reader always pass.
// Returns true, or false with *why set.
bool CarriedContentFits(const PayloadListEntry& entry, const std::string& data, std::string* why);

// size with thousands separators: 1048576 -> "1,048,576".
std::string GroupedNumber(unsigned long long size);

#endif

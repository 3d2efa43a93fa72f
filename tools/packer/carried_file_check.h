// Whether the installer can carry, show and rewrite one vendor file: the
// checks the packer makes on every file of the payload list before it packs
// anything. Each fault is described by a "why" that names the limit, for a
// message "<file name>: <why>". Platform-free; relies on the limits of
// base/carried_file_limits.h and render/atlas_format.h and on the installer's
// own licence line splitting.
#ifndef LQ_TOOLS_CARRIED_FILE_CHECK_H
#define LQ_TOOLS_CARRIED_FILE_CHECK_H

#include <string>
#include <string_view>
#include <vector>

#include "payload_list.h"

// Whether files of total bytes in all can be carried together. Returns
// true, or false with *why set.
bool CarriedTotalFits(unsigned long long total, std::string* why);

// Whether the name of entries[index] makes a file of its own on Windows: no
// device name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, with or without an
// extension), no trailing dot or space; and for an installed file, not the
// installer's staging prefix and not one file with an earlier installed
// entry to Windows (letter case and trailing dots and spaces ignored).
// Returns true, or false with *why set.
bool CarriedNameFits(const std::vector<PayloadListEntry>& entries, size_t index, std::string* why);

// Whether the installer reads entry's file itself (so CarriedContentFits
// needs its content); the other files always pass.
bool CarriedContentIsChecked(const PayloadListEntry& entry);

// Whether the installer can use the content of entry's file: the glyph
// atlas fits start-up's buffer, the licence texts fit the licence page, the
// settings file is GBK text that the installer can rewrite so that the
// chosen language applies. Files with no such reader always pass. Returns
// true, or false with *why set.
bool CarriedContentFits(const PayloadListEntry& entry, std::string_view data, std::string* why);

// size with thousands separators: 1048576 -> "1,048,576".
std::string GroupedNumber(unsigned long long size);

#endif

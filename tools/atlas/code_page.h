// Maps two-byte GB2312/GBK codes to Unicode through the host's iconv.
#pragma once

#include <cstdint>

namespace atlas {

struct CodeConverter;

// Opens a converter from `charset` (an iconv name such as "GB2312" or
// "GBK"); nullptr if the host lacks it.
CodeConverter* OpenCodeConverter(const char* charset);
void CloseCodeConverter(CodeConverter* converter);

// Converts one code (lead byte high) to a single codepoint. False if the
// charset leaves the code unassigned.
bool CodeToCodepoint(CodeConverter* converter, std::uint16_t code,
                     std::uint32_t* codepoint);

// True if both bytes lie in the GB2312 (EUC-CN) byte range 0xA1..0xFE.
bool IsGb2312Code(std::uint16_t code);

}  // namespace atlas

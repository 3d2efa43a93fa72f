// zlib's crc32 entry point, supplied here so that the linker takes it instead
// of libz.a's table-driven crc32.o (8 KB). inflate calls it for gzip streams
// only; the payload streams are zlib streams, checked with Adler-32. The
// result is the same CRC-32 either way.
#include <zlib.h>

#include "base/crc32_bitwise.h"

extern "C" uLong ZEXPORT crc32(uLong crc, const Bytef* buf, uInt len) {
    // zlib's convention: no buffer asks for the starting value.
    if (!buf) return 0;
    return Crc32Bitwise(static_cast<std::uint32_t>(crc), buf, len);
}

// CRC-32 as zlib defines it (reflected polynomial 0xEDB88320), computed bit
// by bit: no 8 KB of tables in the installer for a checksum that only gzip
// streams use. Platform-free.
#ifndef LQ_BASE_CRC32_BITWISE_H
#define LQ_BASE_CRC32_BITWISE_H

#include <cstddef>
#include <cstdint>

// The CRC-32 of length bytes at data continued from crc (0 to start), as
// zlib's crc32 returns it; data may be null only when length is 0.
std::uint32_t Crc32Bitwise(std::uint32_t crc, const unsigned char* data, std::size_t length);

#endif

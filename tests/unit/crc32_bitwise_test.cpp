#include "base/crc32_bitwise.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Crc32Case {
    const char* text;
    std::uint32_t expected;
};

// Check values of CRC-32 as gzip, PNG and zlib use it.
const Crc32Case kCases[] = {
    {"", 0x00000000u},
    {"a", 0xE8B7BE43u},
    {"123456789", 0xCBF43926u},
    {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
};

TEST(Crc32Bitwise, GivesTheStandardCheckValues) {
    for (const Crc32Case& c : kCases)
        EXPECT_EQ(c.expected, Crc32Bitwise(0, reinterpret_cast<const unsigned char*>(c.text), std::strlen(c.text)))
            << c.text;
}

TEST(Crc32Bitwise, ContinuesAcrossPieces) {
    const unsigned char* text = reinterpret_cast<const unsigned char*>("123456789");
    EXPECT_EQ(0xCBF43926u, Crc32Bitwise(Crc32Bitwise(0, text, 4), text + 4, 5));
}

}  // namespace

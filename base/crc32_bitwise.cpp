#include "base/crc32_bitwise.h"

namespace {
const std::uint32_t kReflectedPolynomial = 0xEDB88320u;
const std::uint32_t kAllOnes = 0xFFFFFFFFu;
const int kBitsPerByte = 8;
}  // namespace

std::uint32_t Crc32Bitwise(std::uint32_t crc, const unsigned char* data, std::size_t length) {
    std::uint32_t c = crc ^ kAllOnes;
    for (std::size_t i = 0; i < length; ++i) {
        c ^= data[i];
        for (int bit = 0; bit < kBitsPerByte; ++bit) c = (c & 1u) ? (c >> 1) ^ kReflectedPolynomial : c >> 1;
    }
    return c ^ kAllOnes;
}

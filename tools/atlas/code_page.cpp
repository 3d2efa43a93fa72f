#include "code_page.h"

#include <iconv.h>

#include <cstddef>

#include "atlas_format.h"

namespace atlas {
namespace {

constexpr const char* kUnicodeCharset = "UTF-32LE";
constexpr std::size_t kCodeBytes = 2;
constexpr std::size_t kCodepointBytes = 4;
constexpr unsigned kEucFirstByte = 0xA1;
constexpr unsigned kEucLastByte = 0xFE;

const iconv_t kFailedOpen = reinterpret_cast<iconv_t>(-1);
const std::size_t kFailedConvert = static_cast<std::size_t>(-1);

bool IsEucByte(unsigned byte) {
  return byte >= kEucFirstByte && byte <= kEucLastByte;
}

// Assembles a little-endian codepoint independent of host byte order.
std::uint32_t ReadLittleEndian(const unsigned char* bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = kCodepointBytes; i > 0; --i) {
    value = (value << kBitsPerByte) | bytes[i - 1];
  }
  return value;
}

}  // namespace

struct CodeConverter {
  iconv_t handle;
};

CodeConverter* OpenCodeConverter(const char* charset) {
  const iconv_t handle = iconv_open(kUnicodeCharset, charset);
  if (handle == kFailedOpen) return nullptr;
  return new CodeConverter{handle};
}

void CloseCodeConverter(CodeConverter* converter) {
  if (converter == nullptr) return;
  iconv_close(converter->handle);
  delete converter;
}

bool CodeToCodepoint(CodeConverter* converter, std::uint16_t code,
                     std::uint32_t* codepoint) {
  char in[kCodeBytes] = {static_cast<char>(code >> kBitsPerByte),
                         static_cast<char>(code & kByteMask)};
  unsigned char out[kCodepointBytes] = {};
  char* in_ptr = in;
  char* out_ptr = reinterpret_cast<char*>(out);
  std::size_t in_left = sizeof in;
  std::size_t out_left = sizeof out;
  // Drop any shift state left by a previous failed call.
  iconv(converter->handle, nullptr, nullptr, nullptr, nullptr);
  const std::size_t result =
      iconv(converter->handle, &in_ptr, &in_left, &out_ptr, &out_left);
  // Anything but exactly one character out of exactly these two bytes
  // (a single-byte match, a lossy substitution) counts as unassigned.
  if (result != 0 || in_left != 0 || out_left != 0) return false;
  *codepoint = ReadLittleEndian(out);
  return true;
}

bool IsGb2312Code(std::uint16_t code) {
  return IsEucByte(code >> kBitsPerByte) && IsEucByte(code & kByteMask);
}

}  // namespace atlas

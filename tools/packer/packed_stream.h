// One payload file as one complete zlib stream (RFC 1950), the body of its
// "TEXT" resource: made by zopfli or by libdeflate's level 12 (both write
// deflate that any inflater reads), as the pack plan sets, and kept in a
// cache so that an unchanged file is not packed again. Every stream handed
// out, made or cached, has been decoded with zlib's inflate and compared
// with the file. Relies on zopfli, libdeflate and zlib.
#ifndef LQ_TOOLS_PACKED_STREAM_H
#define LQ_TOOLS_PACKED_STREAM_H

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "pack_plan.h"

// Bytes in memory from malloc, not cleared first: a buffer sized for the
// largest stream a file can give holds pages only as far as it is written,
// and one that a file is read into is written only once.
struct Bytes {
    std::unique_ptr<unsigned char, void (*)(void*)> bytes{nullptr, std::free};
    size_t size = 0;

    std::string_view View() const { return std::string_view(reinterpret_cast<const char*>(bytes.get()), size); }
};

// Reads the whole file at path, when it holds at most limit bytes, into
// *bytes. Returns false when it cannot be read or is larger.
bool ReadWhole(const std::string& path, unsigned long long limit, Bytes* bytes);

enum class PackResult { Packed, NeedsRoom, Failed };

// Packs data into *stream with settings, holding a stream of at most room
// bytes; with zopfli, libdeflate's stream is kept where it is smaller. With
// a cache folder (not empty) a cached stream for the same content and
// settings is taken instead (*fromCache true) and a new one is stored
// there; a cache entry that does not decode to data is packed again.
// Returns Packed; NeedsRoom when the stream needs more than room (then it
// is to be packed again with StreamBound's room); Failed only when no
// stream that decodes to data could be made.
PackResult PackStream(std::string_view data, const StreamSettings& settings, const std::string& cacheDir,
                      size_t room, Bytes* stream, bool* fromCache);

// Whether the size bytes at stream are one zlib stream, and nothing after
// it, that inflates to exactly data. Inflates piece by piece.
bool StreamDecodesTo(const unsigned char* stream, size_t size, std::string_view data);

#endif

#include "packed_stream.h"

#include <libdeflate.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>
#include <zopfli/zopfli.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The piece that StreamDecodesTo inflates into before comparing.
const size_t kInflatePieceBytes = 256 << 10;
// The start of a larger file that libdeflate's fastest level packs first:
// when that does not fit the first room's share, the file is given full
// room before it is packed, not after.
const size_t kSampleBytes = 256 << 10;
const int kSampleLevel = 1;

// The cache key: the content's CRC-32 and Adler-32, its size and the
// settings. It need not resist collisions: every cached stream is decoded
// and compared.
std::string CacheName(std::string_view data, const StreamSettings& settings) {
    unsigned crc = libdeflate_crc32(0, data.data(), data.size());
    unsigned adler = libdeflate_adler32(1, data.data(), data.size());
    char name[64];
    std::snprintf(name, sizeof name, "%08x%08x-%zu-", crc, adler, data.size());
    return name + SettingsName(settings) + ".z";
}

// Written under a name of its own and renamed, so a reader never sees half
// an entry. A cache that cannot be written only costs time next build.
void Store(const std::string& path, const Bytes& stream) {
    std::string part = path + ".part" + std::to_string(getpid());
    FILE* file = std::fopen(part.c_str(), "wb");
    if (!file) return;
    bool written = std::fwrite(stream.bytes.get(), 1, stream.size, file) == stream.size;
    written = std::fclose(file) == 0 && written;
    if (!written || std::rename(part.c_str(), path.c_str()) != 0) std::remove(part.c_str());
}

// Packs data with libdeflate into at most room bytes (or fewer: the most
// that libdeflate can need). Returns false when the stream needs more.
bool LibdeflateStream(std::string_view data, size_t room, Bytes* stream) {
    libdeflate_compressor* compressor = libdeflate_alloc_compressor(kLibdeflateLevel);
    if (!compressor) return false;
    const size_t capacity = std::min(room, libdeflate_zlib_compress_bound(compressor, data.size()));
    stream->bytes.reset(static_cast<unsigned char*>(std::malloc(capacity)));
    stream->size = stream->bytes ? libdeflate_zlib_compress(compressor, data.data(), data.size(),
                                                            stream->bytes.get(), capacity)
                                 : 0;
    libdeflate_free_compressor(compressor);
    return stream->size != 0;
}

bool StartLooksIncompressible(std::string_view data) {
    const std::string_view sample = data.substr(0, kSampleBytes);
    const size_t share = static_cast<size_t>(sample.size() * kFirstRoomShare);
    libdeflate_compressor* compressor = libdeflate_alloc_compressor(kSampleLevel);
    if (!compressor) return false;  // packing the whole file will tell
    std::unique_ptr<unsigned char[]> out(new unsigned char[share]);
    const bool fits = libdeflate_zlib_compress(compressor, sample.data(), sample.size(), out.get(), share) != 0;
    libdeflate_free_compressor(compressor);
    return !fits;
}

bool ZopfliStream(std::string_view data, int iterations, Bytes* stream) {
    ZopfliOptions options;
    ZopfliInitOptions(&options);
    options.numiterations = iterations;
    unsigned char* out = nullptr;
    size_t size = 0;
    ZopfliCompress(&options, ZOPFLI_FORMAT_ZLIB, reinterpret_cast<const unsigned char*>(data.data()),
                   data.size(), &out, &size);
    stream->bytes.reset(out);
    stream->size = size;
    return out != nullptr;
}

bool Decodes(const Bytes& stream, std::string_view data) {
    return stream.bytes && StreamDecodesTo(stream.bytes.get(), stream.size, data);
}

// zopfli's stream, or libdeflate's where that is smaller, or whichever of
// them decodes to data; NeedsRoom when libdeflate's stream needs more than
// room.
PackResult MakeStream(std::string_view data, const StreamSettings& settings, size_t room, Bytes* stream) {
    const bool fullRoom = room >= StreamBound(data.size());
    if (!fullRoom && data.size() > kSampleBytes && StartLooksIncompressible(data)) return PackResult::NeedsRoom;
    Bytes libdeflate;
    const bool haveLibdeflate = LibdeflateStream(data, room, &libdeflate);
    if (!haveLibdeflate && !fullRoom) return PackResult::NeedsRoom;
    if (settings.compressor == Compressor::Zopfli && ZopfliStream(data, settings.iterations, stream) &&
        (!haveLibdeflate || stream->size <= libdeflate.size) && Decodes(*stream, data))
        return PackResult::Packed;
    if (!haveLibdeflate || !Decodes(libdeflate, data)) return PackResult::Failed;
    *stream = std::move(libdeflate);
    return PackResult::Packed;
}

// The cached stream for data at path (Packed), when there is one that fits
// room and decodes to data; NeedsRoom when it is larger than room; Failed
// when there is none to take.
PackResult CachedStream(const std::string& path, std::string_view data, size_t room, Bytes* stream) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return PackResult::Failed;
    // A larger entry is none of ours and is not read.
    const unsigned long long size = static_cast<unsigned long long>(st.st_size);
    if (size > StreamBound(data.size())) return PackResult::Failed;
    if (size > room) return PackResult::NeedsRoom;
    return ReadWhole(path, room, stream) && Decodes(*stream, data) ? PackResult::Packed : PackResult::Failed;
}

}  // namespace

bool ReadWhole(const std::string& path, unsigned long long limit, Bytes* bytes) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    struct stat st;
    bool read = fstat(fileno(file), &st) == 0 && static_cast<unsigned long long>(st.st_size) <= limit;
    if (read) {
        bytes->size = static_cast<size_t>(st.st_size);
        // One byte more than nothing: malloc(0) may give no buffer.
        bytes->bytes.reset(static_cast<unsigned char*>(std::malloc(bytes->size + 1)));
        read = bytes->bytes && std::fread(bytes->bytes.get(), 1, bytes->size, file) == bytes->size &&
               std::fgetc(file) == EOF;
    }
    std::fclose(file);
    return read;
}

bool StreamDecodesTo(const unsigned char* stream, size_t size, std::string_view data) {
    z_stream z;
    std::memset(&z, 0, sizeof z);
    if (inflateInit(&z) != Z_OK) return false;
    std::unique_ptr<unsigned char[]> piece(new unsigned char[kInflatePieceBytes]);
    z.next_in = const_cast<unsigned char*>(stream);
    z.avail_in = static_cast<uInt>(size);  // streams stay far below 4 GB
    size_t compared = 0;
    int rc = Z_OK;
    bool same = true;
    while (same && rc == Z_OK) {
        z.next_out = piece.get();
        z.avail_out = static_cast<uInt>(kInflatePieceBytes);
        rc = inflate(&z, Z_NO_FLUSH);
        size_t produced = kInflatePieceBytes - z.avail_out;
        same = produced <= data.size() - compared && std::memcmp(piece.get(), data.data() + compared, produced) == 0;
        compared += produced;
    }
    inflateEnd(&z);
    return same && rc == Z_STREAM_END && compared == data.size() && z.avail_in == 0;
}

PackResult PackStream(std::string_view data, const StreamSettings& settings, const std::string& cacheDir,
                      size_t room, Bytes* stream, bool* fromCache) {
    std::string cached = cacheDir.empty() ? std::string() : cacheDir + "/" + CacheName(data, settings);
    const PackResult fromCacheResult = cached.empty() ? PackResult::Failed : CachedStream(cached, data, room, stream);
    *fromCache = fromCacheResult == PackResult::Packed;
    if (fromCacheResult != PackResult::Failed) return fromCacheResult;
    const PackResult made = MakeStream(data, settings, room, stream);
    if (made == PackResult::Packed && !cached.empty()) Store(cached, *stream);
    return made;
}

#include "packed_stream.h"

#include <zlib.h>
#include <zopfli/zopfli.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

// 50 keeps the sample's packing within seconds while taking nearly all of
// what more iterations would save.
const int kZopfliIterations = 50;

const uint64_t kFnvOffset = 14695981039346656037ull;
const uint64_t kFnvPrime = 1099511628211ull;

// The cache key: a hash of the content, its size and the settings. The hash
// need not resist collisions: every cached stream is decoded and compared.
std::string CacheName(const std::string& data) {
    uint64_t hash = kFnvOffset;
    for (unsigned char c : data) hash = (hash ^ c) * kFnvPrime;
    char name[64];
    std::snprintf(name, sizeof name, "%016llx-%zu-", static_cast<unsigned long long>(hash), data.size());
    return name + PackedStreamSettings() + ".z";
}

bool ReadAll(const std::string& path, std::string* data) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    *data = s.str();
    return true;
}

// Written under a name of its own and renamed, so a reader never sees half
// an entry. A cache that cannot be written only costs time next build.
void Store(const std::string& path, const std::string& stream) {
    std::string part = path + ".part" + std::to_string(getpid());
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(stream.data(), static_cast<std::streamsize>(stream.size()));
    out.close();
    if (!out || std::rename(part.c_str(), path.c_str()) != 0) std::remove(part.c_str());
}

bool ZopfliStream(const std::string& data, std::string* stream) {
    ZopfliOptions options;
    ZopfliInitOptions(&options);
    options.numiterations = kZopfliIterations;
    unsigned char* out = nullptr;
    size_t size = 0;
    ZopfliCompress(&options, ZOPFLI_FORMAT_ZLIB, reinterpret_cast<const unsigned char*>(data.data()),
                   data.size(), &out, &size);
    if (!out) return false;
    stream->assign(reinterpret_cast<const char*>(out), size);
    std::free(out);
    return true;
}

bool MakeStream(const std::string& data, std::string* stream) {
    std::string zopfli, zlib;
    bool haveZopfli = ZopfliStream(data, &zopfli) && StreamDecodesTo(zopfli, data);
    bool haveZlib = ZlibBestStream(data, &zlib) && StreamDecodesTo(zlib, data);
    if (!haveZopfli && !haveZlib) return false;
    *stream = haveZopfli && (!haveZlib || zopfli.size() <= zlib.size()) ? zopfli : zlib;
    return true;
}

}  // namespace

std::string PackedStreamSettings() { return "zopfli-i" + std::to_string(kZopfliIterations); }

bool StreamDecodesTo(const std::string& stream, const std::string& data) {
    // One byte more than the file: a stream that decodes to more shows it.
    std::string out(data.size() + 1, '\0');
    uLongf length = static_cast<uLongf>(out.size());
    int rc = uncompress(reinterpret_cast<Bytef*>(&out[0]), &length,
                        reinterpret_cast<const Bytef*>(stream.data()), static_cast<uLong>(stream.size()));
    return rc == Z_OK && length == data.size() && out.compare(0, length, data) == 0;
}

bool ZlibBestStream(const std::string& data, std::string* stream) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    stream->assign(size, '\0');
    int rc = compress2(reinterpret_cast<Bytef*>(&(*stream)[0]), &size,
                       reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()),
                       Z_BEST_COMPRESSION);
    if (rc != Z_OK) return false;
    stream->resize(size);
    return true;
}

bool PackStream(const std::string& data, const std::string& cacheDir, std::string* stream,
                bool* fromCache) {
    *fromCache = false;
    std::string cached = cacheDir.empty() ? std::string() : cacheDir + "/" + CacheName(data);
    if (!cached.empty() && ReadAll(cached, stream) && StreamDecodesTo(*stream, data)) {
        *fromCache = true;
        return true;
    }
    if (!MakeStream(data, stream)) return false;
    if (!cached.empty()) Store(cached, *stream);
    return true;
}

// One payload file as one complete zlib stream (RFC 1950), the body of its
// "TEXT" resource: made with zopfli, which spends more time to find a
// smaller deflate encoding that any inflater reads, and kept in a cache so
// that an unchanged file is not packed again. Every stream handed out, made
// or cached, has been decoded with zlib's uncompress and compared with the
// file. Relies on zopfli and zlib.
#ifndef LQ_TOOLS_PACKED_STREAM_H
#define LQ_TOOLS_PACKED_STREAM_H

#include <string>

// The zopfli settings, part of every cache key: "zopfli-i50".
std::string PackedStreamSettings();

// Packs data into *stream: zopfli's stream, or zlib level 9's where that is
// smaller. With a cache folder (not empty) a cached stream for the same
// content and settings is taken instead (*fromCache true) and a new one is
// stored there; a cache entry that does not decode to data is packed again.
// Returns false only when no stream that decodes to data could be made.
bool PackStream(const std::string& data, const std::string& cacheDir, std::string* stream,
                bool* fromCache);

// Whether stream is one zlib stream that uncompress turns into exactly data.
bool StreamDecodesTo(const std::string& stream, const std::string& data);

// data at zlib's level 9, as a plain zlib build would pack it; for figures.
bool ZlibBestStream(const std::string& data, std::string* stream);

#endif

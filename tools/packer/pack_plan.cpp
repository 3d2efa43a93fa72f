#include "pack_plan.h"

#include <algorithm>
#include <numeric>

namespace {

// zopfli works on blocks of at most a million bytes and keeps about 28
// bytes of match cache for each byte of the block.
const unsigned long long kZopfliBlockBytes = 1000000;
const unsigned long long kZopfliCacheBytesPerByte = 32;
const unsigned long long kZopfliFixedBytes = 1ull << 20;
// Block headers of a tiny file and the zlib wrapper, with room to spare.
const unsigned long long kStreamWrapperBytes = 64ull << 10;
// What libdeflate allocates for level 12, whatever the input's size
// (9,009,552 bytes in libdeflate 1.14).
const unsigned long long kLibdeflateTableBytes = 9ull << 20;
// Beside the largest file and its stream: the other files being packed and
// the compressors' tables. The packer itself (code, libraries, threads)
// takes about 5 MB more, so that all stays within 64 MB.
const unsigned long long kPackingRoomBytes = 52ull << 20;

// Indices of sizes in ascending (or descending) order of size, equal sizes
// in list order.
std::vector<size_t> SortedIndices(const std::vector<unsigned long long>& sizes, bool largestFirst) {
    std::vector<size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return largestFirst ? sizes[a] > sizes[b] : sizes[a] < sizes[b];
    });
    return order;
}

int ZopfliIterations(unsigned long long size) {
    unsigned long long iterations = kZopfliIterationBytes / std::max(size, 1ull);
    return static_cast<int>(std::clamp(iterations, 1ull, static_cast<unsigned long long>(kZopfliMaxIterations)));
}

}  // namespace

std::string SettingsName(const StreamSettings& settings) {
    if (settings.compressor == Compressor::Zopfli) return "zopfli-i" + std::to_string(settings.iterations);
    return "libdeflate-" + std::to_string(kLibdeflateLevel);
}

unsigned long long StreamBound(unsigned long long size) { return size + size / 512 + kStreamWrapperBytes; }

std::vector<StreamSettings> PlanSettings(const std::vector<unsigned long long>& sizes) {
    std::vector<StreamSettings> settings(sizes.size());
    const unsigned long long shrink =
        std::accumulate(sizes.begin(), sizes.end(), 0ull) / kZopfliShareShrink;
    const unsigned long long share = kZopfliShareBytes - std::min(shrink, kZopfliShareBytes);
    unsigned long long zopfliBytes = 0;
    for (size_t i : SortedIndices(sizes, false)) {
        zopfliBytes += sizes[i];
        if (zopfliBytes > share) break;
        settings[i] = {Compressor::Zopfli, ZopfliIterations(sizes[i])};
    }
    return settings;
}

std::vector<size_t> PackingOrder(const std::vector<unsigned long long>& sizes) { return SortedIndices(sizes, true); }

unsigned long long StreamRoom(unsigned long long size, const StreamSettings& settings, bool fullRoom) {
    if (fullRoom || settings.compressor == Compressor::Zopfli) return StreamBound(size);
    return static_cast<unsigned long long>(size * kFirstRoomShare) + kStreamWrapperBytes;
}

unsigned long long PackingNeed(unsigned long long size, const StreamSettings& settings, bool fullRoom) {
    const unsigned long long room = StreamRoom(size, settings, fullRoom);
    if (settings.compressor == Compressor::Libdeflate) return size + room + kLibdeflateTableBytes;
    // libdeflate's stream, and zopfli's beside it in a buffer that grows by
    // doubling, to keep the smaller.
    return size + 3 * room + kLibdeflateTableBytes + kZopfliFixedBytes +
           kZopfliCacheBytesPerByte * std::min(size, kZopfliBlockBytes);
}

unsigned long long PackingBudget(unsigned long long largest) { return 2 * largest + kPackingRoomBytes; }

int ChooseNextFile(const std::vector<unsigned long long>& waitingNeeds, unsigned long long inUse, int running,
                   unsigned long long budget) {
    if (waitingNeeds.empty()) return -1;
    if (running == 0) return 0;
    for (size_t i = 0; i < waitingNeeds.size(); ++i)
        if (inUse <= budget && waitingNeeds[i] <= budget - inUse) return static_cast<int>(i);
    return -1;
}

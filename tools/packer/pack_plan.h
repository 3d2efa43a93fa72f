// How the packer spends time and memory on one payload: which compressor
// packs each file, in which order the files are packed, and which of them
// may be in memory together. zopfli packs a few hundred KB a second and
// makes streams 1 to 3 % smaller than libdeflate's level 12 on small files;
// on files of megabytes libdeflate, ten times as fast, does as well or
// better. So zopfli packs the smallest files of a small payload, with fewer
// iterations the larger the file, and libdeflate the rest. Platform-free
// arithmetic; relies on nothing.
#ifndef LQ_TOOLS_PACK_PLAN_H
#define LQ_TOOLS_PACK_PLAN_H

#include <string>
#include <vector>

enum class Compressor { Zopfli, Libdeflate };

struct StreamSettings {
    Compressor compressor = Compressor::Libdeflate;
    int iterations = 0;  // zopfli's; 0 with libdeflate
};

// The settings as part of a cache entry's name: "zopfli-i17", "libdeflate-12".
std::string SettingsName(const StreamSettings& settings);

// The settings for each file of the payload, by the sizes of all its files.
// zopfli's share of a payload is kZopfliShareBytes less one byte for every
// kZopfliShareShrink bytes of the payload (none from 16 MiB on): where a
// payload is small, its seconds buy the last percent; where it is large,
// they would only make the pack slow. zopfli packs the smallest files while
// they add up to no more than its share, each with kZopfliIterationBytes /
// size iterations (at least 1, at most kZopfliMaxIterations); libdeflate
// packs the others. Equal sizes go in list order.
const unsigned long long kZopfliShareBytes = 2ull << 20;
const unsigned long long kZopfliShareShrink = 8;
const unsigned long long kZopfliIterationBytes = 8ull << 20;
const int kZopfliMaxIterations = 50;
const int kLibdeflateLevel = 12;
std::vector<StreamSettings> PlanSettings(const std::vector<unsigned long long>& sizes);

// The files' indices from the largest to the smallest, equal sizes in list
// order: the largest are started first, so that no long file starts last.
std::vector<size_t> PackingOrder(const std::vector<unsigned long long>& sizes);

// The largest stream either compressor writes for size bytes: the bytes
// stored plainly in blocks with their headers, and the zlib wrapper.
unsigned long long StreamBound(unsigned long long size);

// The room for the stream of a file of size bytes. libdeflate is first
// given room for a stream of kFirstRoomShare of the file, more than all but
// nearly incompressible files need; a file whose stream needs more is
// packed again with full room, room for the largest stream (StreamBound).
// zopfli, whose buffer grows by doubling beside libdeflate's stream, always
// has full room.
const double kFirstRoomShare = 0.75;
unsigned long long StreamRoom(unsigned long long size, const StreamSettings& settings, bool fullRoom);

// The most memory packing one file of size bytes holds at once: the file,
// its stream room and the compressors' own tables.
unsigned long long PackingNeed(unsigned long long size, const StreamSettings& settings, bool fullRoom);

// What the files being packed may hold together when the largest file has
// largest bytes: twice that, and room for the compressors' tables and for
// other files, so that the packer's peak memory stays within twice the
// largest file and 64 MB.
unsigned long long PackingBudget(unsigned long long largest);

// Which waiting file to start now, given the needs of the waiting files in
// packing order, the needs of the files being packed (inUse, running of
// them) and the budget: the first that fits beside them, or the first at
// all when nothing is being packed. Returns its position in waitingNeeds,
// or -1 to wait for a file to finish.
int ChooseNextFile(const std::vector<unsigned long long>& waitingNeeds, unsigned long long inUse, int running,
                   unsigned long long budget);

#endif

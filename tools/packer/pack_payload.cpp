// Host tool: checks the files named by the payload list and packs each into
// one zlib stream, then generates the resource script and the PayloadTable
// from the same list.
//
//   pack_payload --list payload.list --dir PAYLOAD_DIR --out OUT_DIR
//                [--cache CACHE_DIR] [--file NAME=PATH]...
//
// --file takes a file from elsewhere (the stand-in programs built by this
// project) when PAYLOAD_DIR does not hold it. --cache keeps the packed
// streams by content and settings, so an unchanged file is not packed again.
// Every file is checked before anything is packed: one missing, or one the
// installer could not carry, name, show or rewrite, is named with the reason
// and nothing is written; files in PAYLOAD_DIR that the list does not name
// are named in a warning. Then the files are packed on every processor, the
// largest first, each read only when it is packed and as many together as
// the pack plan's memory budget allows; on a terminal a progress line shows
// how far it has come. Writes OUT_DIR/z/<id>.z, then OUT_DIR/payload.rc and
// OUT_DIR/payload_table.cpp, and one summary line. Exits 1 on any error.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "carried_file_check.h"
#include "pack_plan.h"
#include "packed_stream.h"
#include "payload_list.h"

namespace {

const unsigned kLanguagePrimaryMask = 0x3FF;
const unsigned kLanguageSubShift = 10;
// How often the progress line is redrawn on a terminal.
const std::chrono::milliseconds kProgressInterval(500);
const double kBytesPerMB = 1e6;

struct Options {
    std::string list, dir, out, cache;
    std::map<std::string, std::string> files;
};

// One carried file: its list entry and source, its size as checked, how it
// is packed and what came of it.
struct Carried {
    PayloadListEntry entry;
    std::string source;
    unsigned long long size = 0;
    StreamSettings settings;
    bool fullRoom = false;  // packed again with room for the largest stream
    size_t streamSize = 0;
    bool fromCache = false;
};

bool Fail(const std::string& message) {
    std::fprintf(stderr, "pack_payload: %s\n", message.c_str());
    return false;
}

bool ReadFile(const std::string& path, std::string* data) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    *data = s.str();
    return static_cast<bool>(in) || in.eof();
}

bool WriteFile(const std::string& path, const void* bytes, size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(bytes, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

bool WriteFile(const std::string& path, const std::string& data) { return WriteFile(path, data.data(), data.size()); }

bool RegularFileSize(const std::string& path, unsigned long long* size) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    *size = static_cast<unsigned long long>(st.st_size);
    return true;
}

bool MakeFolder(const std::string& path) {
    struct stat st;
    return mkdir(path.c_str(), 0755) == 0 || (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}

bool ParseOptions(int argc, char** argv, Options* o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string key = argv[i], value = argv[i + 1];
        if (key == "--list") o->list = value;
        else if (key == "--dir") o->dir = value;
        else if (key == "--out") o->out = value;
        else if (key == "--cache") o->cache = value;
        else if (key == "--file" && value.find('=') != std::string::npos)
            o->files[value.substr(0, value.find('='))] = value.substr(value.find('=') + 1);
        else return Fail("unknown option " + key);
    }
    if (argc % 2 == 0 || o->list.empty() || o->dir.empty() || o->out.empty())
        return Fail("usage: pack_payload --list F --dir D --out O [--cache C] [--file NAME=PATH]...");
    return true;
}

// The payload folder wins; --file only fills in what it lacks.
std::string SourceOf(const Options& o, const std::string& name) {
    std::string inDir = o.dir + "/" + name;
    unsigned long long size = 0;
    if (RegularFileSize(inDir, &size)) return inDir;
    auto it = o.files.find(name);
    return it == o.files.end() ? std::string() : it->second;
}

// Finds the file's source and size, or says why it cannot be carried.
bool SizeFile(const Options& o, Carried* file, std::string* why) {
    file->source = SourceOf(o, file->entry.fileName);
    if (file->source.empty() || !RegularFileSize(file->source, &file->size)) {
        *why = "missing from " + o.dir;
        return false;
    }
    return true;
}

// Reads a file that the installer reads itself and says why it could not
// use it; the content is not kept.
bool ContentFits(const Carried& file, std::string* why) {
    Bytes data;
    if (!ReadWhole(file.source, file.size, &data)) {
        *why = "cannot be read (" + file.source + ")";
        return false;
    }
    return CarriedContentFits(file.entry, data.View(), why);
}

// Checks every listed file before anything is packed and names each fault.
// Contents are read, one file at a time, only once the sizes are known to
// fit.
bool CheckFiles(const Options& o, const std::vector<PayloadListEntry>& entries, std::vector<Carried>* files) {
    files->assign(entries.size(), Carried());
    std::vector<std::string> faults;
    std::vector<bool> sized(entries.size());
    unsigned long long total = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        std::string why;
        Carried& file = (*files)[i];
        file.entry = entries[i];
        sized[i] = SizeFile(o, &file, &why) && CarriedNameFits(entries, i, &why);
        if (!sized[i]) faults.push_back(entries[i].fileName + ": " + why);
        total += file.size;
    }
    std::string why;
    const bool totalFits = CarriedTotalFits(total, &why);
    if (!totalFits) faults.push_back(why);
    for (size_t i = 0; totalFits && i < entries.size(); ++i) {
        const Carried& file = (*files)[i];
        if (sized[i] && CarriedContentIsChecked(file.entry) && !ContentFits(file, &why))
            faults.push_back(entries[i].fileName + ": " + why);
    }
    if (faults.empty()) return true;
    Fail(o.dir + " cannot be packed:");
    for (const std::string& fault : faults) std::fprintf(stderr, "  %s\n", fault.c_str());
    return Fail("nothing was packed");
}

// Names the files in the payload folder that the list does not carry.
void WarnOfExtraFiles(const Options& o, const std::vector<PayloadListEntry>& entries) {
    std::set<std::string> listed;
    for (const PayloadListEntry& e : entries) listed.insert(e.fileName);
    DIR* dir = opendir(o.dir.c_str());
    if (!dir) return;  // a folder that cannot be listed has failed the checks already
    std::set<std::string> extra;
    while (dirent* d = readdir(dir)) {
        std::string name = d->d_name;
        if (name != "." && name != ".." && !listed.count(name)) extra.insert(name);
    }
    closedir(dir);
    for (const std::string& name : extra)
        std::fprintf(stderr, "pack_payload: warning: %s in %s is not in %s and is not carried\n", name.c_str(),
                     o.dir.c_str(), o.list.c_str());
}

std::string StreamPath(const Options& o, const Carried& file) {
    return o.out + "/z/" + std::to_string(file.entry.resourceId) + ".z";
}

// Reads, packs and writes one file; only its stream's size is kept.
PackResult PackFile(const Options& o, Carried* file) {
    Bytes data;
    if (!ReadWhole(file->source, file->size, &data) || data.size != file->size)
        return Fail(file->entry.fileName + " changed or cannot be read (" + file->source + ")"), PackResult::Failed;
    Bytes stream;
    const size_t room = StreamRoom(file->size, file->settings, file->fullRoom);
    const PackResult result = PackStream(data.View(), file->settings, o.cache, room, &stream, &file->fromCache);
    if (result == PackResult::Failed) Fail("cannot compress " + file->entry.fileName);
    if (result != PackResult::Packed) return result;
    file->streamSize = stream.size;
    if (WriteFile(StreamPath(o, *file), stream.bytes.get(), stream.size)) return PackResult::Packed;
    return Fail("cannot write " + StreamPath(o, *file)), PackResult::Failed;
}

// What the packing threads share, under its lock.
struct Packing {
    std::mutex lock;
    std::condition_variable changed;
    std::vector<size_t> waiting;  // in packing order
    std::vector<size_t> rank;     // each file's place in the packing order
    std::vector<unsigned long long> needs;
    unsigned long long budget = 0, inUse = 0, total = 0, packedBytes = 0;
    int running = 0;
    size_t packedFiles = 0;
    bool failed = false;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();

    bool Over() const { return failed || (waiting.empty() && running == 0); }
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Back into the waiting files, in packing order, with full room.
void WaitAgainWithFullRoom(size_t index, Carried* file, Packing* p) {
    file->fullRoom = true;
    p->needs[index] = PackingNeed(file->size, file->settings, true);
    auto at = std::lower_bound(p->waiting.begin(), p->waiting.end(), index,
                               [p](size_t a, size_t b) { return p->rank[a] < p->rank[b]; });
    p->waiting.insert(at, index);
}

// Takes the next file the budget allows, packs it, and so on until none is
// left or one has failed.
void PackWaitingFiles(const Options& o, std::vector<Carried>* files, Packing* p) {
    std::unique_lock<std::mutex> hold(p->lock);
    while (!p->failed && !p->waiting.empty()) {
        std::vector<unsigned long long> waitingNeeds;
        for (size_t i : p->waiting) waitingNeeds.push_back(p->needs[i]);
        int next = ChooseNextFile(waitingNeeds, p->inUse, p->running, p->budget);
        if (next < 0) {
            p->changed.wait(hold);
            continue;
        }
        const size_t index = p->waiting[next];
        Carried& file = (*files)[index];
        p->waiting.erase(p->waiting.begin() + next);
        p->inUse += p->needs[index];
        ++p->running;
        hold.unlock();
        const PackResult result = PackFile(o, &file);
        hold.lock();
        p->inUse -= p->needs[index];
        --p->running;
        if (result == PackResult::NeedsRoom) {
            WaitAgainWithFullRoom(index, &file, p);
        } else {
            p->failed = p->failed || result == PackResult::Failed;
            p->packedBytes += file.size;
            ++p->packedFiles;
        }
        p->changed.notify_all();
    }
}

// "pack_payload: 7 of 19 files, 41.2 of 268.4 MB, 5.1 MB/s, 8 s gone, about
// 45 s left": the rate and the estimate once a file is done.
void DrawProgress(const Packing& p, size_t fileCount) {
    const double seconds = SecondsSince(p.start);
    const double rate = seconds > 0 ? p.packedBytes / kBytesPerMB / seconds : 0;
    std::printf("\rpack_payload: %zu of %zu files, %.1f of %.1f MB, ", p.packedFiles, fileCount,
                p.packedBytes / kBytesPerMB, p.total / kBytesPerMB);
    if (p.packedBytes > 0)
        std::printf("%.1f MB/s, %.0f s gone, about %.0f s left\033[K", rate, seconds,
                    (p.total - p.packedBytes) / kBytesPerMB / rate);
    else
        std::printf("%.0f s gone\033[K", seconds);
    std::fflush(stdout);
}

// Redraws the progress line until the packing is over, then clears it.
void ShowProgress(size_t fileCount, Packing* p) {
    std::unique_lock<std::mutex> hold(p->lock);
    while (!p->Over()) {
        DrawProgress(*p, fileCount);
        p->changed.wait_for(hold, kProgressInterval);
    }
    std::printf("\r\033[K");
    std::fflush(stdout);
}

// Packs every file on as many threads as there are processors, the largest
// first, within the memory budget of the largest file.
bool PackStreams(const Options& o, std::vector<Carried>* files, Packing* p) {
    std::vector<unsigned long long> sizes;
    for (const Carried& f : *files) sizes.push_back(f.size);
    const std::vector<StreamSettings> settings = PlanSettings(sizes);
    for (size_t i = 0; i < files->size(); ++i) {
        (*files)[i].settings = settings[i];
        p->needs.push_back(PackingNeed(sizes[i], settings[i], false));
        p->total += sizes[i];
    }
    p->waiting = PackingOrder(sizes);
    p->rank.resize(sizes.size());
    for (size_t place = 0; place < p->waiting.size(); ++place) p->rank[p->waiting[place]] = place;
    p->budget = PackingBudget(sizes.empty() ? 0 : sizes[p->waiting.front()]);
    std::vector<std::thread> threads(std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), files->size()));
    for (std::thread& t : threads) t = std::thread(PackWaitingFiles, std::cref(o), files, p);
    if (isatty(STDOUT_FILENO)) ShowProgress(files->size(), p);
    for (std::thread& t : threads) t.join();
    return !p->failed;
}

std::string ResourceScript(const std::vector<Carried>& files, const std::string& zdir) {
    std::ostringstream rc;
    rc << "// Generated by pack_payload from the payload list. Do not edit.\n";
    for (const Carried& f : files) {
        rc << "LANGUAGE " << (f.entry.language & kLanguagePrimaryMask) << ", "
           << (f.entry.language >> kLanguageSubShift) << "\n";
        rc << f.entry.resourceId << " TEXT \"" << zdir << "/" << f.entry.resourceId << ".z\"\n";
    }
    return rc.str();
}

std::string EntryInitialiser(const Carried& f) {
    std::ostringstream s;
    s << "{" << f.entry.resourceId << ", \"" << f.entry.fileName << "\", " << (f.entry.readOnly ? 1 : 0) << ", "
      << (f.entry.hidden ? 1 : 0) << ", " << f.size << "ul}";
    return s.str();
}

std::string TableSource(const std::vector<Carried>& files) {
    std::ostringstream cpp;
    cpp << "// Generated by pack_payload from the payload list. Do not edit.\n"
        << "#include \"install/payload_table.h\"\n\n"
        << "const PayloadEntry PayloadTable[] = {\n";
    int count = 0;
    unsigned long long largest = 0;
    std::string speech;
    for (const Carried& f : files) {
        if (f.entry.role == PayloadRole::Speech) {
            speech = EntryInitialiser(f);
            continue;
        }
        cpp << "    " << EntryInitialiser(f) << ",\n";
        largest = std::max(largest, f.size);
        ++count;
    }
    cpp << "};\n\nconst int PayloadTableCount = " << count << ";\n\n"
        << "const PayloadEntry SpeechRuntimePayload = " << speech << ";\n\n"
        << "const unsigned long PayloadLargestFileSize = " << largest << "ul;\n";
    return cpp.str();
}

// The stream folder is made, and an earlier resource script removed, before
// packing: a pack that fails half way leaves no script naming its streams.
bool PrepareOutputs(const Options& o) {
    if (!MakeFolder(o.out) || !MakeFolder(o.out + "/z")) return Fail("cannot make " + o.out + "/z");
    if (!o.cache.empty() && !MakeFolder(o.cache)) return Fail("cannot make " + o.cache);
    std::remove((o.out + "/payload.rc").c_str());  // none there is fine
    return true;
}

bool WriteOutputs(const Options& o, const std::vector<Carried>& files) {
    if (!WriteFile(o.out + "/payload.rc", ResourceScript(files, o.out + "/z")) ||
        !WriteFile(o.out + "/payload_table.cpp", TableSource(files)))
        return Fail("cannot write into " + o.out);
    return true;
}

// The one line for the build log.
void Report(const std::vector<Carried>& files, const Packing& p) {
    unsigned long long packed = 0;
    size_t cached = 0, zopfli = 0;
    for (const Carried& f : files) {
        packed += f.streamSize;
        cached += f.fromCache ? 1 : 0;
        zopfli += f.settings.compressor == Compressor::Zopfli ? 1 : 0;
    }
    const double seconds = SecondsSince(p.start);
    std::printf("pack_payload: %zu files, %s bytes packed into %s (%.1f %%) in %.1f s, %.1f MB/s; %zu from the "
                "cache; zopfli on %zu, libdeflate level %d on %zu\n",
                files.size(), GroupedNumber(p.total).c_str(), GroupedNumber(packed).c_str(),
                p.total ? 100.0 * packed / p.total : 100.0, seconds, seconds > 0 ? p.total / kBytesPerMB / seconds : 0,
                cached, zopfli, kLibdeflateLevel, files.size() - zopfli);
}

}  // namespace

// In the sanitized host build: zopfli's many large short-lived buffers would
// pass through the sanitizer's quarantine and fill, doubling the packing
// time. Unused without the sanitizer.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=0:max_malloc_fill_size=0"; }

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, &options)) return 1;
    std::string text, error;
    if (!ReadFile(options.list, &text)) return Fail("cannot read " + options.list), 1;
    std::vector<PayloadListEntry> entries;
    if (!ParsePayloadList(text, &entries, &error)) return Fail(options.list + " " + error), 1;
    WarnOfExtraFiles(options, entries);
    std::vector<Carried> files;
    if (!CheckFiles(options, entries, &files) || !PrepareOutputs(options)) return 1;
    Packing packing;
    if (!PackStreams(options, &files, &packing) || !WriteOutputs(options, files)) return 1;
    Report(files, packing);
    return 0;
}

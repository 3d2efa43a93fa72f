// Host tool: checks the files named by the payload list and packs each into
// one zlib stream, then generates the resource script and the PayloadTable
// from the same list.
//
//   pack_payload --list payload.list --dir PAYLOAD_DIR --out OUT_DIR
//                [--cache CACHE_DIR] [--file NAME=PATH]...
//
// --file takes a file from elsewhere (the stand-in programs built by this
// project) when PAYLOAD_DIR does not hold it. --cache keeps the packed
// streams by content, so an unchanged file is not packed again. Every file
// is checked before anything is packed: one missing, or one the installer
// could not carry, show or rewrite, is named with the reason and nothing is
// written; files in PAYLOAD_DIR that the list does not name are named in a
// warning. Writes OUT_DIR/payload.rc, OUT_DIR/payload_table.cpp and
// OUT_DIR/z/<id>.z. Exits 1 on any error.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "carried_file_check.h"
#include "packed_stream.h"
#include "payload_list.h"

namespace {

const unsigned kLanguagePrimaryMask = 0x3FF;
const unsigned kLanguageSubShift = 10;

struct Options {
    std::string list, dir, out, cache;
    std::map<std::string, std::string> files;
};

// One carried file: its list entry, its bytes and its packed stream.
struct Carried {
    PayloadListEntry entry;
    std::string data, stream;
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

bool WriteFile(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(out);
}

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

// Finds entry's file and its size, or says why it cannot be carried.
bool SizeFile(const Options& o, const PayloadListEntry& entry, std::string* source,
              unsigned long long* size, std::string* why) {
    *source = SourceOf(o, entry.fileName);
    if (source->empty() || !RegularFileSize(*source, size)) {
        *why = "missing from " + o.dir;
        return false;
    }
    return CarriedSizeFits(*size, why);
}

// Reads the file at source into *file, or says why the installer could not use it.
bool ReadCarried(const std::string& source, Carried* file, std::string* why) {
    if (!ReadFile(source, &file->data)) {
        *why = "cannot be read (" + source + ")";
        return false;
    }
    return CarriedContentFits(file->entry, file->data, why);
}

// Checks every listed file before anything is packed; names each fault.
// Contents are read only once the sizes are known to fit.
bool TakeFiles(const Options& o, const std::vector<PayloadListEntry>& entries, std::vector<Carried>* files) {
    files->assign(entries.size(), Carried());
    std::vector<std::string> sources(entries.size()), faults;
    std::vector<bool> sized(entries.size());
    unsigned long long total = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        unsigned long long size = 0;
        std::string why;
        (*files)[i].entry = entries[i];
        sized[i] = SizeFile(o, entries[i], &sources[i], &size, &why);
        if (!sized[i]) faults.push_back(entries[i].fileName + ": " + why);
        total += size;
    }
    std::string why;
    const bool totalFits = CarriedTotalFits(total, &why);
    if (!totalFits) faults.push_back(why);
    for (size_t i = 0; totalFits && i < entries.size(); ++i)
        if (sized[i] && !ReadCarried(sources[i], &(*files)[i], &why))
            faults.push_back(entries[i].fileName + ": " + why);
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

// Packs every file, on as many threads as there are processors.
bool PackStreams(const Options& o, std::vector<Carried>* files) {
    std::atomic<size_t> next(0);
    std::atomic<bool> failed(false);
    auto work = [&] {
        for (size_t i = next++; i < files->size(); i = next++) {
            Carried& f = (*files)[i];
            if (!PackStream(f.data, o.cache, &f.stream, &f.fromCache)) failed = true;
        }
    };
    std::vector<std::thread> threads(std::max(1u, std::thread::hardware_concurrency()));
    for (std::thread& t : threads) t = std::thread(work);
    for (std::thread& t : threads) t.join();
    return !failed || Fail("cannot compress a payload file");
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
      << (f.entry.hidden ? 1 : 0) << ", " << f.data.size() << "ul}";
    return s.str();
}

std::string TableSource(const std::vector<Carried>& files) {
    std::ostringstream cpp;
    cpp << "// Generated by pack_payload from the payload list. Do not edit.\n"
        << "#include \"install/payload_table.h\"\n\n"
        << "const PayloadEntry PayloadTable[] = {\n";
    int count = 0;
    size_t largest = 0;
    std::string speech;
    for (const Carried& f : files) {
        if (f.entry.role == PayloadRole::Speech) {
            speech = EntryInitialiser(f);
            continue;
        }
        cpp << "    " << EntryInitialiser(f) << ",\n";
        largest = std::max(largest, f.data.size());
        ++count;
    }
    cpp << "};\n\nconst int PayloadTableCount = " << count << ";\n\n"
        << "const PayloadEntry SpeechRuntimePayload = " << speech << ";\n\n"
        << "const unsigned long PayloadLargestFileSize = " << largest << "ul;\n";
    return cpp.str();
}

bool WriteOutputs(const Options& o, const std::vector<Carried>& files) {
    std::string zdir = o.out + "/z";
    if (!MakeFolder(o.out) || !MakeFolder(zdir)) return Fail("cannot make " + zdir);
    for (const Carried& f : files)
        if (!WriteFile(zdir + "/" + std::to_string(f.entry.resourceId) + ".z", f.stream))
            return Fail("cannot write into " + zdir);
    if (!WriteFile(o.out + "/payload.rc", ResourceScript(files, zdir)) ||
        !WriteFile(o.out + "/payload_table.cpp", TableSource(files)))
        return Fail("cannot write into " + o.out);
    return true;
}

// One line for the build log: the streams' bytes against zlib level 9's.
void Report(const std::vector<Carried>& files) {
    size_t packed = 0, zlib = 0, cached = 0;
    for (const Carried& f : files) {
        std::string best;
        if (ZlibBestStream(f.data, &best)) zlib += best.size();
        packed += f.stream.size();
        cached += f.fromCache ? 1 : 0;
    }
    std::printf("pack_payload: %zu files, %s bytes packed (%s), zlib level 9: %s bytes, ratio %.4f; %zu from the cache\n",
                files.size(), GroupedNumber(packed).c_str(), PackedStreamSettings().c_str(),
                GroupedNumber(zlib).c_str(), zlib ? static_cast<double>(packed) / zlib : 1.0, cached);
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
    if (!TakeFiles(options, entries, &files)) return 1;
    if (!options.cache.empty() && !MakeFolder(options.cache)) return Fail("cannot make " + options.cache), 1;
    if (!PackStreams(options, &files) || !WriteOutputs(options, files)) return 1;
    Report(files);
    return 0;
}

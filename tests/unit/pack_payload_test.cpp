// The packer as a build runs it: a vendor folder with one fault is refused
// with the file's name and the reason before anything is packed; a sound
// folder is packed, by both compressors, into streams that zlib's
// uncompress reads back, with one summary line when not on a terminal, and
// a second run takes them from the cache.
#include <sys/wait.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const char kList[] =
    "110 ChnBmp.bin 1 1 0 install\n"
    "124 license_cn.txt 1 0 0 install\n"
    "161 license_en.txt 1 0 0 install\n"
    "120 QuilleryUI.ini 1 1 0 install\n"
    "300 program.exe 1 0 0 install\n"
    "1029 speech.msi 0 0 1033 speech\n";

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const fs::path& path, const std::string& data) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << data;
}

std::string Lines(int count, const std::string& line) {
    std::string text;
    for (int i = 0; i < count; ++i) text += line + "\r\n";
    return text;
}

// Bytes no compressor can shorten by much, the same every time.
std::string NoiseBytes(size_t count) {
    std::string bytes(count, '\0');
    unsigned state = 1;
    for (char& c : bytes) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
    return bytes;
}

class Packer : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::path(::testing::TempDir()) /
                ("pack_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(dir_());
        Write(root_ / "payload.list", kList);
        Write(dir_() / "ChnBmp.bin", std::string(1000, '\xFF'));
        Write(dir_() / "license_cn.txt", Lines(3, "\xD0\xED\xBF\xC9 licence line"));
        Write(dir_() / "license_en.txt", Lines(3, "English licence line"));
        Write(dir_() / "QuilleryUI.ini", "[UI_STR]\r\nFile=\xCE\xC4\xBC\xFE\r\n[Config]\r\nUILanguage=0\r\n");
        Write(dir_() / "program.exe", Lines(200, "MZ program bytes"));
        // Larger than every installed file: the largest size must leave it
        // out. Large enough for libdeflate (zopfli packs only a small
        // payload), and past its text nearly incompressible, so that its
        // stream outgrows the room it is first given, made and cached.
        Write(dir_() / "speech.msi", Lines(12000, "speech runtime package") + NoiseBytes(3 << 20));
    }

    fs::path dir_() const { return root_ / "vendor"; }
    fs::path out_() const { return root_ / "out"; }

    // Runs the packer on the folder; returns its exit status, *output its
    // standard output and error.
    int Pack(std::string* output) {
        std::string command = std::string(LQ_PACK_PAYLOAD) + " --list " + (root_ / "payload.list").string() +
                              " --dir " + dir_().string() + " --out " + out_().string() + " --cache " +
                              (root_ / "cache").string() + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return -1;
        char buffer[512];
        output->clear();
        while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output->append(buffer, n);
        int status = pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path root_;
};

// A fault made by giving the file of the list line holding "program.exe"
// another name, in the folder and in the list.
std::function<void(const fs::path&)> RenameProgram(const std::string& name) {
    return [name](const fs::path& program) {
        fs::rename(program, program.parent_path() / name);
        const fs::path list = program.parent_path().parent_path() / "payload.list";
        std::string text = Read(list);
        Write(list, text.replace(text.find("program.exe"), 11, name));
    };
}

struct Fault {
    const char* file;
    std::function<void(const fs::path& file)> make;
    const char* message;  // the fault as the packer names it
};

TEST_F(Packer, RefusesAFolderWithAFileTheInstallerCannotUseBeforePackingAnything) {
    const Fault faults[] = {
        {"program.exe", [](const fs::path& f) { fs::remove(f); }, "program.exe: missing from "},
        {"program.exe", [](const fs::path& f) { fs::resize_file(f, (1024ull << 20) + 1); },
         "the files come to 1,077,176,721 bytes; the installer carries at most 1,073,741,824 bytes in all"},
        {"ChnBmp.bin", [](const fs::path& f) { Write(f, std::string(307201, '\xFF')); },
         "ChnBmp.bin: 307,201 bytes; start-up reads the glyph atlas into 307,200 bytes"},
        {"license_en.txt", [](const fs::path& f) { Write(f, std::string(65536, 'a')); },
         "license_en.txt: 65,536 bytes; the licence page shows a text of at most 65,535 bytes"},
        {"license_en.txt", [](const fs::path& f) { Write(f, std::string("text\0more", 9)); },
         "license_en.txt: a zero byte at offset 4; the licence page would end the text there"},
        {"license_cn.txt", [](const fs::path& f) { Write(f, Lines(501, "line")); },
         "license_cn.txt: more than 500 lines; the licence page shows the first 500"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, "[Config]\r\nOldUILanguage=1\r\n"); },
         "QuilleryUI.ini: line 2 holds \"UILanguage=\" after other text; the installer would replace that whole line"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, "[Config]\r\n\r;UILanguage=2\nUILanguage=1\r"); },
         "QuilleryUI.ini: line 3 holds \"UILanguage=\" after other text; the installer would replace that whole line"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, std::string((4u << 20) + 1, ';')); },
         "QuilleryUI.ini: 4,194,305 bytes; the installer rewrites a settings file of at most 4,194,304 bytes"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, std::string("\xFF\xFE[\0C\0]\0", 8)); },
         "QuilleryUI.ini: UTF-16 text (it begins with FF FE); the installer reads and writes GBK bytes"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, std::string("[Config]\r\nA=\0\r\n", 15)); },
         "QuilleryUI.ini: a zero byte at offset 12; the installer rewrites the settings as GBK text"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, "[UI_STR]\r\nUILanguage=1\r\n"); },
         "QuilleryUI.ini: line 2 holds \"UILanguage=\" in [UI_STR], outside [Config]; the installer would set the "
         "language there, where readers do not look: the chosen language would silently not apply"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, "UILanguage=1\n[Config]\n"); },
         "QuilleryUI.ini: line 1 holds \"UILanguage=\" before any section, outside [Config]"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, "[ config ]\rA=1\r[UI]\r[CONFIG]\rUILanguage=1\r"); },
         "QuilleryUI.ini: line 5 holds \"UILanguage=\" in a second [Config], outside [Config]"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, "[Config]\r\nuilanguage=1\r\n[UI]\r\nUILanguage\r\n"); },
         "QuilleryUI.ini: line 2 writes the key as \"uilanguage=\"; the installer looks for \"UILanguage=\" as written "
         "and, not finding it, would append a second [Config] that readers ignore: the chosen language would "
         "silently not apply"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, "[config]\r\n UILanguage = 1\r\nUILanguage=2\r\n"); },
         "QuilleryUI.ini: line 2 writes the key as \"UILanguage =\"; readers take that line, and the installer "
         "rewrites line 3: the chosen language would silently not apply"},
        {"QuilleryUI.ini", [](const fs::path& f) { Write(f, "[UI_STR]\r\nA=1\r\n[Config]\r\nB=2\r\n"); },
         "QuilleryUI.ini: [Config] holds no \"UILanguage=\" line; the installer looks for \"UILanguage=\" as written "
         "and, not finding it, would append a second [Config] that readers ignore: the chosen language would "
         "silently not apply"},
        {"program.exe", RenameProgram("nul"),
         "nul: Windows keeps the name NUL for a device, also with an extension: the installer would write to the "
         "device, not to a file"},
        {"program.exe", RenameProgram("Com7.data.bin"), "Com7.data.bin: Windows keeps the name COM7 for a device"},
        {"program.exe", RenameProgram("LPT1.exe"), "LPT1.exe: Windows keeps the name LPT1 for a device"},
        {"program.exe", RenameProgram("program.exe.."),
         "program.exe..: ends in a dot or a space, which Windows drops: the installer would write \"program.exe\""},
        {"program.exe", RenameProgram("~LQ1-17.new"),
         "~LQ1-17.new: begins with \"~lq\", which the installer keeps for its temporary files in the installation "
         "folder"},
        {"program.exe", RenameProgram("LICENSE_EN.TXT"),
         "LICENSE_EN.TXT: Windows takes it and \"license_en.txt\" for one file, as it ignores letter case and "
         "trailing dots and spaces"},
        {"speech.msi",
         [](const fs::path& f) {
             fs::resize_file(f, 512ull << 20);
             fs::resize_file(f.parent_path() / "program.exe", 512ull << 20);
         },
         "the files come to 1,073,742,992 bytes; the installer carries at most 1,073,741,824 bytes in all"},
    };
    for (const Fault& fault : faults) {
        SetUp();
        fault.make(dir_() / fault.file);
        std::string output;
        EXPECT_EQ(1, Pack(&output)) << fault.message;
        EXPECT_NE(std::string::npos, output.find(fault.message)) << output;
        EXPECT_NE(std::string::npos, output.find("nothing was packed")) << output;
        EXPECT_FALSE(fs::exists(out_() / "payload.rc")) << fault.message;
    }
}

TEST_F(Packer, NamesEveryFaultyFileAndWarnsOfFilesTheListDoesNotName) {
    Write(dir_() / "notes.txt", "not carried");
    std::string output;
    ASSERT_EQ(0, Pack(&output)) << output;
    EXPECT_NE(std::string::npos, output.find("warning: notes.txt in ")) << output;

    fs::remove(dir_() / "speech.msi");
    Write(dir_() / "license_en.txt", std::string(70000, 'a'));
    fs::remove(out_() / "payload.rc");
    EXPECT_EQ(1, Pack(&output));
    EXPECT_NE(std::string::npos, output.find("speech.msi: missing")) << output;
    EXPECT_NE(std::string::npos, output.find("license_en.txt: 70,000 bytes")) << output;
    EXPECT_FALSE(fs::exists(out_() / "payload.rc"));
}

TEST_F(Packer, PacksStreamsThatUncompressReadsBackAndTakesThemFromTheCacheNextTime) {
    std::string output;
    ASSERT_EQ(0, Pack(&output)) << output;
    // Not on a terminal: the summary line alone.
    EXPECT_EQ(1, std::count(output.begin(), output.end(), '\n')) << output;
    EXPECT_NE(std::string::npos, output.find("0 from the cache; zopfli on 5, libdeflate level 12 on 1")) << output;
    const struct {
        const char* name;
        int id;
    } files[] = {{"ChnBmp.bin", 110}, {"license_cn.txt", 124}, {"license_en.txt", 161},
                 {"QuilleryUI.ini", 120}, {"program.exe", 300}, {"speech.msi", 1029}};
    std::string first[6];
    for (int i = 0; i < 6; ++i) {
        std::string data = Read(dir_() / files[i].name);
        first[i] = Read(out_() / "z" / (std::to_string(files[i].id) + ".z"));
        ASSERT_GE(first[i].size(), 2u) << files[i].name;
        // The highest-compression zlib header, as zlib level 9 writes it.
        EXPECT_EQ("\x78\xDA", first[i].substr(0, 2)) << files[i].name;
        std::string back(data.size(), '\0');
        uLongf length = static_cast<uLongf>(back.size());
        ASSERT_EQ(Z_OK, uncompress(reinterpret_cast<Bytef*>(&back[0]), &length,
                                   reinterpret_cast<const Bytef*>(first[i].data()), first[i].size()))
            << files[i].name;
        EXPECT_EQ(data, back.substr(0, length)) << files[i].name;
    }
    std::string table = Read(out_() / "payload_table.cpp");
    EXPECT_NE(std::string::npos, table.find("{300, \"program.exe\", 1, 0, 3600ul}")) << table;
    EXPECT_NE(std::string::npos, table.find("PayloadLargestFileSize = 3600ul;")) << table;

    // A damaged cache entry is not trusted: that file is packed again.
    fs::path damaged = *fs::directory_iterator(root_ / "cache");
    Write(damaged, "junk");
    ASSERT_EQ(0, Pack(&output)) << output;
    EXPECT_NE(std::string::npos, output.find("5 from the cache")) << output;
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(first[i], Read(out_() / "z" / (std::to_string(files[i].id) + ".z"))) << files[i].name;
}

}  // namespace

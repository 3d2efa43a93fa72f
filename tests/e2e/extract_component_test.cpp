// ExtractPayload on a real Windows file system (Wine),
// from a component executable that carries small packed payloads.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/files.h"
#include "driver/setup_process.h"
#include "install/extract_payload.h"

#include <zlib.h>

namespace {

const unsigned kExactId = 901;        // 4,096 bytes: "0123456789abcdef" x 256
const unsigned kCorruptId = 903;      // a stream with a wrong Adler-32
const unsigned kMissingId = 999;
const unsigned long kExactSize = 4096;

std::string ExactContent() {
    std::string s;
    for (int i = 0; i < 256; ++i) s += "0123456789abcdef";
    return s;
}

class CountedPieces : public ExtractionProgress {
public:
    void PieceWritten(unsigned long length) override { pieces.push_back(length); }
    std::vector<unsigned long> pieces;
};

class Extraction : public testing::Test {
protected:
    void SetUp() override {
        folder_ = WorkFolder() + "\\" + testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder_.c_str(), nullptr);
        target_ = folder_ + "\\exact.bin";
        DeleteFileA(target_.c_str());
    }
    // Extracts id into a new file through pieces of capacity bytes.
    int Extract(unsigned id, unsigned long expectedSize, unsigned long capacity) {
        std::vector<unsigned char> piece(capacity);
        HANDLE file = CreateFileA(target_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(INVALID_HANDLE_VALUE, file);
        const int result = ExtractPayload(id, expectedSize, file, piece.data(), capacity, 1, progress_, &written_);
        CloseHandle(file);
        return result;
    }
    std::string folder_, target_;
    CountedPieces progress_;
    ExtractedFile written_ = {0, 0};
};

// The file goes through a piece much smaller than itself, and comes out
// whole, with its sum, each piece told as it is written.
TEST_F(Extraction, PayloadLargerThanThePieceIsWrittenWholePieceByPiece) {
    ASSERT_EQ(1, Extract(kExactId, kExactSize, 1000));
    EXPECT_EQ(ExactContent(), ReadAll(target_));
    EXPECT_EQ((std::vector<unsigned long>{1000, 1000, 1000, 1000, 96}), progress_.pieces);
    EXPECT_EQ(kExactSize, written_.size);
    const std::string content = ExactContent();
    EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(content.data()), static_cast<uInt>(content.size())),
              written_.crc);
}

// A stream that is not the packed file (another size than the table's, a
// damaged or missing one) fails.
TEST_F(Extraction, StreamThatIsNotThePackedFileFails) {
    struct Case {
        unsigned id;
        unsigned long expectedSize;
    };
    const Case cases[] = {{kExactId, kExactSize - 1}, {kExactId, kExactSize + 1}, {kCorruptId, kExactSize},
                          {kMissingId, kExactSize}};
    for (const Case& c : cases) {
        DeleteFileA(target_.c_str());
        EXPECT_EQ(0, Extract(c.id, c.expectedSize, 1024)) << c.id << " " << c.expectedSize;
    }
}

}  // namespace

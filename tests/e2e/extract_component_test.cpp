// ExtractPayload and WritePayloadFile on a real Windows file system (Wine),
// from a component executable that carries small packed payloads.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/files.h"
#include "driver/setup_process.h"
#include "install/extract_payload.h"

namespace {

const unsigned kExactId = 901;        // 4,096 bytes: "0123456789abcdef" x 256
const unsigned kCorruptId = 903;      // a stream with a wrong Adler-32
const unsigned kMissingId = 999;
const unsigned long kExactSize = 4096;
const DWORD kKeptAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

std::string ExactContent() {
    std::string s;
    for (int i = 0; i < 256; ++i) s += "0123456789abcdef";
    return s;
}

class Extraction : public testing::Test {
protected:
    void SetUp() override {
        folder_ = WorkFolder() + "\\" + testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder_.c_str(), nullptr);
        target_ = folder_ + "\\exact.bin";
        Remove(target_);
    }
    static void Remove(const std::string& path) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
    DWORD Attributes() const { return GetFileAttributesA(target_.c_str()) & kKeptAttributes; }
    int Extract(unsigned id, unsigned long capacity, int readOnly, int hidden) {
        buffer_.assign(capacity + 16, 0);
        return ExtractPayload(id, target_.c_str(), buffer_.data(), capacity, readOnly, hidden);
    }
    std::string folder_, target_;
    std::vector<unsigned char> buffer_;
};

TEST_F(Extraction, PayloadFillingTheBufferExactlyIsWrittenWhole) {
    ASSERT_EQ(1, Extract(kExactId, kExactSize, 1, 1));
    EXPECT_EQ(ExactContent(), ReadAll(target_));
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              Attributes() & ~FILE_ATTRIBUTE_ARCHIVE);
}

TEST_F(Extraction, PayloadOneByteLargerThanTheBufferWritesNothing) {
    EXPECT_EQ(0, Extract(kExactId, kExactSize - 1, 0, 0));
    EXPECT_FALSE(Exists(target_));
}

TEST_F(Extraction, MissingOrCorruptResourceLeavesExistingTargetAsItWas) {
    WriteAll(target_, "previous");
    SetFileAttributesA(target_.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    for (unsigned id : {kMissingId, kCorruptId}) {
        EXPECT_EQ(0, Extract(id, kExactSize, 0, 0)) << id;
        EXPECT_EQ("previous", ReadAll(target_)) << id;
        EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
                  Attributes() & ~FILE_ATTRIBUTE_ARCHIVE) << id;
    }
}

TEST_F(Extraction, ReadOnlyHiddenTargetIsReplacedWithExactlyTheAskedAttributes) {
    struct Case { int readOnly, hidden; DWORD expected; };
    const Case cases[] = {
        {0, 0, 0},
        {1, 0, FILE_ATTRIBUTE_READONLY},
        {0, 1, FILE_ATTRIBUTE_HIDDEN},
        {1, 1, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN},
    };
    for (const Case& c : cases) {
        WriteAll(target_, "old");
        SetFileAttributesA(target_.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        ASSERT_EQ(1, Extract(kExactId, kExactSize, c.readOnly, c.hidden));
        EXPECT_EQ(ExactContent(), ReadAll(target_));
        EXPECT_EQ(c.expected, Attributes() & ~FILE_ATTRIBUTE_ARCHIVE) << c.readOnly << c.hidden;
    }
}

TEST_F(Extraction, SystemAndArchiveAttributesSurvive) {
    WriteAll(target_, "old");
    SetFileAttributesA(target_.c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                            FILE_ATTRIBUTE_HIDDEN);
    ASSERT_EQ(1, Extract(kExactId, kExactSize, 1, 0));
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY),
              Attributes());
}

TEST_F(Extraction, TargetThatCannotBeOpenedFails) {
    CreateDirectoryA(target_.c_str(), nullptr);  // a folder takes the file's name
    EXPECT_EQ(0, Extract(kExactId, kExactSize, 0, 0));
    RemoveDirectoryA(target_.c_str());
}

}  // namespace

#include "render/atlas_image.h"

#include <gtest/gtest.h>

#include <vector>

#include "render/atlas_format.h"

namespace {

TEST(AtlasImage, StripsStartAtWholeStripOffsets) {
    EXPECT_EQ(0u, AtlasStripOffset(0));
    EXPECT_EQ(60416u, AtlasStripOffset(1));
    EXPECT_EQ(120832u, AtlasStripOffset(2));
    EXPECT_EQ(181248u, AtlasStripOffset(3));
    EXPECT_LE(kAtlasImageBytes, kAtlasBufferBytes);
}

TEST(AtlasImage, RowsBeyondTheResourceBecomePaper) {
    // The shipped size of a two-and-a-bit strip image: 2,208 rows.
    const size_t decompressed = 141312;
    std::vector<unsigned char> buffer(kAtlasBufferBytes, 0x00);
    FillMissingAtlasRows(buffer.data(), decompressed);
    EXPECT_EQ(0x00, buffer[decompressed - 1]);  // resource bytes untouched
    for (size_t i = decompressed; i < kAtlasImageBytes; ++i)
        ASSERT_EQ(kAtlasPaperByte, buffer[i]) << i;
    EXPECT_EQ(0x00, buffer[kAtlasImageBytes]);  // beyond the strips: never used
}

TEST(AtlasImage, FullOrLargerImageIsLeftAlone) {
    std::vector<unsigned char> buffer(kAtlasBufferBytes, 0x5A);
    FillMissingAtlasRows(buffer.data(), kAtlasImageBytes);
    FillMissingAtlasRows(buffer.data(), kAtlasBufferBytes);
    for (unsigned char b : buffer) ASSERT_EQ(0x5A, b);
}

TEST(AtlasImage, EmptyResourceGivesAllPaper) {
    std::vector<unsigned char> buffer(kAtlasImageBytes, 0x00);
    FillMissingAtlasRows(buffer.data(), 0);
    for (unsigned char b : buffer) ASSERT_EQ(kAtlasPaperByte, b);
}

}  // namespace

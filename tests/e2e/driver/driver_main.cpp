// main() of every end-to-end test executable: takes the driver's own
// arguments, then runs the tests.
#include <gtest/gtest.h>

#include <cstring>

#include "driver/glyph_check.h"
#include "driver/setup_process.h"

int main(int argc, char** argv) {
    ReadDriverArguments(&argc, argv);
    const char kAtlas[] = "--atlas=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kAtlas, sizeof kAtlas - 1) == 0)
            SetAtlasPath(ToWindowsPath(argv[i] + sizeof kAtlas - 1));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

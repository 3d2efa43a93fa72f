// main() of every end-to-end test executable: takes the driver's own
// arguments, then runs the tests.
#include <gtest/gtest.h>

#include "driver/setup_process.h"

int main(int argc, char** argv) {
    ReadDriverArguments(&argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

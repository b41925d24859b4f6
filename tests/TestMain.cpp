// The entry point of every test program. Output is unbuffered: when a test program ends abruptly (a
// crash, or Wine stopping the process), everything it printed up to that moment still reaches ctest's log.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::setvbuf(stderr, nullptr, _IONBF, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Runs the integration tests. Output is kept binary so that test names listed under Wine carry no carriage
// returns.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The tests' entry: the user's locale taken from the environment, as the programs take it (Qt does at
// start), so that a run under LC_ALL=de_DE.UTF-8 tests what a German desktop does.

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char **argv) {
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

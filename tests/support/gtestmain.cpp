#include <QCoreApplication>

#include <gtest/gtest.h>

// Core tests run inside a QCoreApplication so that translation and file-system calls behave as in the
// program.
int main(int argc, char** argv)
{
    qputenv("LC_ALL", "C.UTF-8");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

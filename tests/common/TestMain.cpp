// The main of every test program: an offscreen Qt application, message boxes
// captured instead of shown, then the tests.
#include <QApplication>
#include <cstdlib>

#include <gtest/gtest.h>

#include "testing/Testing.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testhooks::CaptureMessageBoxes(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

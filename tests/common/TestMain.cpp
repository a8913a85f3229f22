// The main of every test program: an offscreen Qt application with
// configuration and runtime folders of its own (never the user's), message
// boxes captured instead of shown, then the tests.
#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "testing/Testing.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char folder[] = "/tmp/vantrel-test-XXXXXX";
    if (mkdtemp(folder) == nullptr) return 1;
    setenv("XDG_CONFIG_HOME", folder, 1);
    setenv("XDG_RUNTIME_DIR", folder, 1);
    int result;
    {
        QApplication app(argc, argv);
        testhooks::CaptureMessageBoxes(true);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::filesystem::remove_all(folder);
    return result;
}

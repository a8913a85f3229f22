// Runs the real main dialog inside its own modal loop, with the demo archive
// of the build folder, and gives the tests its controls and pixels.
#pragma once

#include <QWidget>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "DialogTesting.h"
#include "Screen.h"
#include "Vantrel.h"
#include "VantrelDlg.h"
#include "testing/Testing.h"

extern CScreen theScreen;

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the main dialog modally; body runs inside its loop once the
    // window is up, then the dialog ends (unless body is expected to end it
    // itself: then a dialog still open a second later fails the test).
    // Returns what DoModal returned and whether body ran at all.
    int RunEditor(const std::function<void(CVantrelDlg&)>& body, bool* ran = nullptr,
                  bool bodyEndsIt = false);

    // Text of message box i as UTF-8.
    static std::string BoxText(size_t i);
    // Packs a colour as the display does.
    static WORD Pack(CVantrelDlg& dlg, int r, int g, int b);
    // Adds a character row with the cells the list holds.
    static void AddCharacter(CVantrelDlg& dlg, const char* typeUtf8, int x, int y,
                             const char* facingUtf8);
    // Releases every image of the store, as at process exit.
    static void EmptyImageStore();
};

// Runs the real main dialog inside its own modal loop, with the demo archive
// of the build folder, and gives the tests its controls and pixels.
#pragma once

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

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

    // ---- The event list and the event dialog ----
    // Appends an event row numbered as the next one, with cells 1, 2, ...
    // from the UTF-8 texts given (the rest stay empty).
    static void AddEventRow(CVantrelDlg& dlg, const std::vector<std::string>& cellsUtf8);
    // A cell of a list as UTF-8.
    static std::string CellText(const CListCtrl& list, int row, int column);
    // Cell 0 of every row: the row numbers as the list shows them.
    static std::vector<int> RowNumbers(const CListCtrl& list);
    // Clicks a button of a dialog as a user does.
    static void ClickButton(CWnd& dialog, int id);
    // Picks an entry of a drop-down list as a user does, with the arrow keys
    // (each step is a choice of its own, as on the keyboard).
    static void PickEntry(CWnd& dialog, int id, int index);
    // Replaces the text of an edit as a user does: all selected, then typed.
    static void Retype(CWnd& dialog, int id, const QString& text);
};

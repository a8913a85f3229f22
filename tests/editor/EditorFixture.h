// Runs the real main dialog inside its own modal loop, with the demo archive
// of the build folder; and what the editor tests share for reading and
// writing its lists, driving its entry dialogs and checking its boxes.
#pragma once

#include <QCheckBox>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DialogTesting.h"
#include "Resource.h"
#include "Screen.h"
#include "Vantrel.h"
#include "VantrelDlg.h"
#include "testing/Testing.h"

extern CScreen theScreen;

using Texts = std::vector<std::string>;  // UTF-8

// The editor's own caption, and the types of its boxes.
inline const char* const kCaption = "Vantrel v3.1.0 (User Version)";
const UINT kStopBox = MB_OK | MB_ICONHAND;
const UINT kQuestionBox = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
const UINT kFrameworkBox = MB_OK | MB_ICONEXCLAMATION;  // AfxMessageBox

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

    // Releases every image of the store, as at process exit.
    static void EmptyImageStore();
};

// The text of message box i; the only box shown since the last clear, as
// the editor or the framework (with the application's title) shows it.
std::string BoxText(size_t i);
void ExpectOneBox(const std::string& text, const std::string& caption, UINT type);
void ExpectFrameworkBox(const std::string& text);

// Appends a row numbered as the next one, with cells 1, 2, ... from the
// texts given; reads a cell, a row from column first on, a column, all rows.
void AddRow(CListCtrl& list, const Texts& cells);
std::string CellText(const CListCtrl& list, int row, int column);
Texts RowCells(const CListCtrl& list, int row, int first = 0);
Texts Column(const CListCtrl& list, int column);
std::vector<Texts> AllCells(const CListCtrl& list);
// "0", "1", ...: the row numbers of count rows.
Texts Numbers(int count);

void SetSelectedTypes(CVantrelDlg& dlg, const std::vector<int>& types);
std::vector<int> SelectedTypes(CVantrelDlg& dlg);
// Whether an entry dialog holds the main dialog's controls.
bool Locked(CVantrelDlg& dlg);
// The DirectDraw calls that an action makes: a repaint draws.
int DrawCalls(const std::function<void()>& action);
// The back buffer's pixels.
testhooks::SurfaceImage Frame(CVantrelDlg& dlg);

// With the selection open: the types whose boxes are checked (check is
// null), or clicks the boxes so that exactly those of check are checked.
std::vector<int> Boxes(CVantrelDlg& dlg, const std::vector<int>* check = nullptr);
// "캐릭터설정", exactly these boxes, OK.
void ChooseTypes(CVantrelDlg& dlg, std::vector<int> types);

// The appearance dialog's seven fields in the order of its result (the
// character combo's index, X, Y, the facing and tactic indices, the name,
// the team) read or filled in, and the entries of its character combo.
Texts Shown(CVantrelDlg& dlg);
void Fill(CVantrelDlg& dlg, const Texts& fields);
Texts Entries(CVantrelDlg& dlg);
// The defaults of a new character.
const Texts kNewCharacter = {"0", "0", "0", "0", "아무개", "0", "0"};

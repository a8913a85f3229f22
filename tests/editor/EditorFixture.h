// Runs the real main dialog modally on the build folder's demo archive, and
// what the editor tests share for its lists, entry dialogs and boxes.
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

inline const char* const kCaption = "Vantrel v3.1.0 (User Version)";
const UINT kStopBox = MB_OK | MB_ICONHAND;
const UINT kQuestionBox = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
const UINT kFrameworkBox = MB_OK | MB_ICONEXCLAMATION;  // AfxMessageBox

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs body inside the main dialog's modal loop, then ends the dialog
    // unless body is to end it itself (within a second); returns DoModal's
    // result and whether body ran.
    int RunEditor(const std::function<void(CVantrelDlg&)>& body, bool* ran = nullptr,
                  bool bodyEndsIt = false);

    // Releases every image of the store, as at process exit.
    static void EmptyImageStore();
};

// The text of message box i; the one box shown, as the editor or the
// framework (AfxMessageBox) shows it.
std::string BoxText(size_t i);
void ExpectOneBox(const std::string& text, const std::string& caption, UINT type);
void ExpectFrameworkBox(const std::string& text);

// Appends a row numbered as the next one with cells 1, 2, ... as given;
// reads a cell, a row from column first on, a column, all rows.
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

// Types "05" as the clear value and leaves the edit, which reads it; then
// chooses "specific character", which clamps only the member to the last
// row's number. The edit shows "05" until the fields are next exchanged: an
// action that writes them out shows the clamped number, one that reads them
// back first shows "5", one that only reads them leaves "05".
void LeaveClearValueClamped(CVantrelDlg& dlg);

// With the selection open: the types checked, after clicking the boxes so
// that exactly those of check are, if given.
std::vector<int> Boxes(CVantrelDlg& dlg, const std::vector<int>* check = nullptr);
// "캐릭터설정", exactly these boxes, OK.
void ChooseTypes(CVantrelDlg& dlg, std::vector<int> types);

// The appearance dialog's seven fields (combo indices, or texts) in the
// order of its result, read or filled in; its character combo's entries.
Texts Shown(CVantrelDlg& dlg);
void Fill(CVantrelDlg& dlg, const Texts& fields);
Texts Entries(CVantrelDlg& dlg);
// The defaults of a new character.
const Texts kNewCharacter = {"0", "0", "0", "0", "아무개", "0", "0"};

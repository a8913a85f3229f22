// The application: starts the main dialog and ends with it, and carries the
// results of the modeless entry dialogs back to the main dialog.
#pragma once

#include "mfc/Afx.h"

// Empty slot of the main dialog's selected-types list.
constexpr int SLOT_EMPTY = 666;
// First argument of an entry dialog's result when it was cancelled: an edit
// of an existing row (or the character selection), or a new row. An entry
// dialog sends RESULT_CANCEL_EDIT plus its new-row flag.
constexpr int RESULT_CANCEL_EDIT = 666;
constexpr int RESULT_CANCEL_NEW = 667;

class CVantrelApp : public CWinApp {
public:
    CVantrelApp();
    ~CVantrelApp() override;

    BOOL InitInstance() override;

    // Bridges from the entry dialogs to the main dialog (m_pMainWnd).
    int GetSelectedTypeCount();
    int GetSelectedType(int i);

    // The event dialog's result: a target 0..26 with the command (0..10 of
    // the command list), face, number and three lines; or RESULT_CANCEL_EDIT
    // or RESULT_CANCEL_NEW as target with zeros and null lines. The lines
    // are the dialog's own and valid only during the call.
    void OnEventEditResult(int target, int command, int face, int number, LPCSTR line1,
                           LPCSTR line2, LPCSTR line3);
    // The character dialogs' results. The list and the name belong to the
    // entry dialog and are valid only during the call.
    void OnCharacterSelectResult(int code, const int* list);
    void OnAppearanceResult(int slot, int x, int y, int facing, LPCSTR name, int tactic, int team);

    DECLARE_MESSAGE_MAP()
};

extern CVantrelApp theApp;

// Data exchange between a dialog's members and its controls.
#pragma once

#include "mfc/CString.h"

class CWnd;

// Ends an exchange that stopped at a field.
class CUserException {};

class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls to members
    CWnd* m_pDlgWnd;

    // The control that the next exchange works on (null if there is none).
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Puts the focus on the last prepared control and stops the exchange.
    [[noreturn]] void Fail();

private:
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

// Binds the control object to the dialog's control on the first exchange.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// An integer as decimal text. A text that is not a decimal integer, an empty
// one included, brings the framework's prompt and stops the exchange.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A check box's state: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);

// The integer parse of the exchange: blanks, an optional sign, digits,
// blanks; nothing else, and a value that fits an int.
bool AfxParseInt(LPCSTR text, int* value);

// A single-line edit control.
#pragma once

#include "mfc/CWnd.h"

class CEdit : public CWnd {
public:
    // Selects the characters from start to end (end -1: to the end).
    void SetSel(int nStartChar, int nEndChar);
};

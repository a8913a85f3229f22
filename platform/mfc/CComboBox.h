// A drop-down list. Setting the selection from the program sends no
// selection-change notification; only the user's choice does.
#pragma once

#include "mfc/CWnd.h"

class CComboBox : public CWnd {
public:
    // Adds at the end; returns the new entry's index (CB_ERR without a box).
    int AddString(LPCSTR text);
    // Selects the entry; an index outside the entries clears the selection
    // and returns CB_ERR.
    int SetCurSel(int nSelect);
    // The selected index, CB_ERR (-1) when nothing is selected.
    int GetCurSel() const;
    int GetCount() const;
};

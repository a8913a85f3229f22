// A push button or check box.
#pragma once

#include "mfc/CWnd.h"

class CButton : public CWnd {
public:
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE (0 for a push button).
    int GetCheck() const;
    void SetCheck(int nCheck);
};

// The character selection dialog: which character types the stage uses, at
// most six whose cost ratios add up to at most 2.15. Modeless; its result
// goes to the main dialog through the application.
#pragma once

#include "mfc/Afx.h"

class CRegistrationCharacter : public CDialog {
public:
    explicit CRegistrationCharacter(CWnd* pParent = nullptr);
    ~CRegistrationCharacter() override;

    // Checks the boxes of the types in the list, up to its first empty slot
    // (a type without a box is left out), and nothing else.
    void SetSelectedTypes(const int* types);

    // The check state of each type's box, in the order of their exchange.
    BOOL m_boxType16;
    BOOL m_boxType14;
    BOOL m_boxType19;
    BOOL m_boxType0;
    BOOL m_boxType13;
    BOOL m_boxType15;
    BOOL m_boxType24;
    BOOL m_boxType25;
    BOOL m_boxType8;
    BOOL m_boxType10;
    BOOL m_boxType23;
    BOOL m_boxType11;
    BOOL m_boxType7;
    BOOL m_boxType4;
    BOOL m_boxType3;
    BOOL m_boxType1;
    BOOL m_boxType12;
    BOOL m_boxType20;
    BOOL m_boxType18;
    BOOL m_boxType6;
    BOOL m_boxType22;
    BOOL m_boxType2;
    BOOL m_boxType21;
    BOOL m_boxType5;
    BOOL m_boxType17;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

    DECLARE_MESSAGE_MAP()
};

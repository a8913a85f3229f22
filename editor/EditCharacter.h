// The appearance-setting dialog: one placed character's type, position,
// facing, name, tactic and team. Modeless; it keeps no stage data and hands
// its values to the main dialog through the application.
#pragma once

#include "mfc/Afx.h"

class CEditCharacter : public CDialog {
public:
    explicit CEditCharacter(CWnd* pParent = nullptr);
    ~CEditCharacter() override;

    // Fills the opened dialog from an existing row. slot is a slot of the
    // main dialog's selected-types list; a slot, facing or tactic that names
    // no entry leaves that combo box without a selection.
    void SetAppearance(int slot, int x, int y, int facing, LPCSTR name, int tactic, int team);

    int m_isNew;
    CComboBox m_character;
    CComboBox m_facing;
    CComboBox m_tactic;
    int m_team;
    CString m_name;
    int m_x;
    int m_y;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    DECLARE_MESSAGE_MAP()

private:
    // The slot of the selected-types list that each entry of the character
    // combo stands for: a selected type without a name in the appearance
    // name list has no entry, so entries and slots need not agree.
    int m_entrySlots[10];
    int m_entryCount;
};

// The event-editing dialog: one event of the stage's script, its target,
// its command and the command's number or dialogue. Modeless; the main
// dialog creates its window for each event and destroys it once the result
// has come back through the application.
#pragma once

#include "mfc/Afx.h"

class CEventEdit : public CDialog {
public:
    explicit CEventEdit(CWnd* pParent = nullptr);
    ~CEventEdit() override;

    // Presents an existing event: target and face 0..26, command 0..10 of
    // the command list, the number and the three dialogue lines as they are.
    void SetEvent(int target, int command, int face, int number, LPCSTR line1, LPCSTR line2,
                  LPCSTR line3);
    // Disables the number, the face and the lines, and hides their labels.
    void HideOptionalControls();

    int m_isNew;
    CStatic m_line3Label;
    CStatic m_line2Label;
    CStatic m_line1Label;
    CStatic m_faceLabel;
    CStatic m_numberLabel;
    CComboBox m_face;
    CComboBox m_command;
    CComboBox m_target;
    CString m_line1;
    CString m_line2;
    CString m_line3;
    int m_number;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

public:
    afx_msg void OnSelchangeCommand();
    afx_msg void OnChangeLine1();
    afx_msg void OnChangeLine2();
    afx_msg void OnChangeLine3();

    DECLARE_MESSAGE_MAP()

private:
    // A dialogue line holds at most this many bytes of code-page-949 text.
    static constexpr int kLineBytes = 35;

    // Shows and enables what the command uses; releaseLabel is the number's
    // label for "release tactic".
    void ShowCommandControls(int command, LPCSTR releaseLabel);
    // Takes the user's change of one line, or puts the line back as it was
    // when the change passes the limit.
    void CheckLineLength(CString& line);
};

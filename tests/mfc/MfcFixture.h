// A small dialog of the tests' own and the fixture that registers it with
// the program's resources.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mfc/Afx.h"
#include "mfc/AfxState.h"
#include "testing/FileDialogs.h"
#include "testing/Testing.h"
#include "win32/Window.h"

enum {
    IDD_TEST = 900,
    IDC_NUMBER_A = 2001,
    IDC_NUMBER_B = 2002,
    IDC_TEXT = 2003,
    IDC_FLAG = 2004,
    IDC_CHOICE = 2005,
    IDC_ROWS = 2006,
    IDC_NARROW = 2007,
};

// Exchanges two integers, a text and a check box; counts what reaches it.
class TestDialog : public CDialog {
public:
    explicit TestDialog(CWnd* parent = nullptr) : CDialog(IDD_TEST, parent) {}

    int m_a = 0;
    int m_b = 0;
    CString m_text;
    int m_flag = 0;
    CComboBox m_choice;
    CListCtrl m_rows;

    // What to do in OnInitDialog and OnOK.
    int m_endInInit = 0;  // nonzero: EndDialog with it
    bool m_destroyInOK = false;

    int m_selchanges = 0;
    int m_textChanges = 0;
    int m_killfocusA = 0;
    int m_killfocusB = 0;
    int m_flagClicks = 0;
    int m_oks = 0;
    int m_cancels = 0;
    int m_paints = 0;
    std::vector<UINT> m_keys;      // seen by PreTranslateMessage
    std::vector<UINT> m_keyDowns;  // reached OnKeyDown through SendMessage
    bool m_consumeKeys = false;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_endInInit) EndDialog(m_endInInit);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN) {
            m_keys.push_back(static_cast<UINT>(pMsg->wParam));
            SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
            if (m_consumeKeys && pMsg->wParam != VK_RETURN && pMsg->wParam != VK_ESCAPE)
                return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_CHOICE, m_choice);
        DDX_Control(pDX, IDC_ROWS, m_rows);
        DDX_Text(pDX, IDC_NUMBER_A, m_a);
        DDX_Text(pDX, IDC_NUMBER_B, m_b);
        DDX_Text(pDX, IDC_TEXT, m_text);
        DDX_Check(pDX, IDC_FLAG, m_flag);
    }

public:
    void OnOK() override
    {
        ++m_oks;
        CDialog::OnOK();
        if (m_destroyInOK) DestroyWindow();
    }
    void OnCancel() override
    {
        ++m_cancels;
        CDialog::OnCancel();
    }
    afx_msg void OnPaint()
    {
        ++m_paints;
        CDialog::OnPaint();
    }
    afx_msg void OnSelchangeChoice() { ++m_selchanges; }
    afx_msg void OnChangeText() { ++m_textChanges; }
    afx_msg void OnKillfocusA()
    {
        ++m_killfocusA;
        UpdateData(TRUE);
    }
    afx_msg void OnKillfocusB()
    {
        ++m_killfocusB;
        UpdateData(TRUE);
    }
    afx_msg void OnClickFlag() { ++m_flagClicks; }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        m_keyDowns.push_back(nChar);
        CDialog::OnKeyDown(nChar, nRepCnt, nFlags);
    }

    DECLARE_MESSAGE_MAP()
};

class MfcTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The application object of the test program.
    static CWinApp* App();
    // Lets Qt deliver what is pending, deferred deletions included.
    static void Settle();
    // The dialog's control with the id.
    static QWidget* Control(CWnd& dialog, int id);
    // The text of a message box as UTF-8.
    static std::string ShownText(size_t i);
};

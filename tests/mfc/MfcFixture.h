// A small test dialog, registered with the program's resources, and shown.
#pragma once

#include <vector>

#include "DialogTesting.h"
#include "mfc/Afx.h"
#include "mfc/AfxState.h"
#include "testing/Testing.h"
#include "win32/Window.h"

enum { IDD_TEST = 900, IDC_NUMBER_A = 2001, IDC_NUMBER_B = 2002, IDC_ROWS = 2006 };

// Two integers that exchange again on focus loss; counts what reaches it.
class TestDialog : public CDialog {
public:
    explicit TestDialog(CWnd* parent = nullptr) : CDialog(IDD_TEST, parent) {}

    int m_a = 0;
    int m_b = 0;
    CListCtrl m_rows;

    bool m_consumeKeys = false;  // PreTranslateMessage keeps the keys
    int m_killfocusA = 0, m_killfocusB = 0, m_paints = 0;
    std::vector<UINT> m_keys;      // seen by PreTranslateMessage
    std::vector<UINT> m_sysKeys;   // likewise, pressed with Alt
    std::vector<UINT> m_keyDowns;  // reached OnKeyDown through SendMessage

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN) {
            m_keys.push_back(static_cast<UINT>(pMsg->wParam));
            SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
            if (m_consumeKeys) return TRUE;
        }
        if (pMsg->message == WM_SYSKEYDOWN) m_sysKeys.push_back(static_cast<UINT>(pMsg->wParam));
        return CDialog::PreTranslateMessage(pMsg);
    }
    afx_msg void OnPaint() { ++m_paints; CDialog::OnPaint(); }
    afx_msg void OnKillfocusA() { ++m_killfocusA; UpdateData(TRUE); }
    afx_msg void OnKillfocusB() { ++m_killfocusB; UpdateData(TRUE); }
    afx_msg void OnKeyDown(UINT key, UINT count, UINT flags)
    {
        m_keyDowns.push_back(key);
        CDialog::OnKeyDown(key, count, flags);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};

// The program's resources with the test dialog added.
const AfxResources* TestResources();

class MfcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App();
        AfxSetResources(TestResources());
    }
    void TearDown() override
    {
        Settle();
        App()->m_pMainWnd = nullptr;
        testhooks::ResetAll();
    }

    // The program's application object when it is linked in, else ours.
    static CWinApp* App()
    {
        static CWinApp* app = AfxGetApp() ? AfxGetApp() : new CWinApp;
        return app;
    }
    static QLineEdit* Edit(CWnd& dialog, int id) { return qobject_cast<QLineEdit*>(Control(dialog, id)); }
};

// A test dialog made modeless, shown and active.
class TestDialogTest : public MfcTest {
protected:
    void SetUp() override
    {
        MfcTest::SetUp();
        ASSERT_TRUE(dlg.Create(IDD_TEST));
        dlg.ShowWindow(SW_SHOW);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.Widget()));
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        MfcTest::TearDown();
    }

    TestDialog dlg;
};

// Modal and modeless dialogs, message maps, message boxes.
#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "MfcFixture.h"

namespace {

using DialogTest = MfcTest;

TEST_F(DialogTest, EndingInsideOnInitDialogEndsDoModalUnshown)
{
    TestDialog dlg;
    dlg.m_endInInit = IDCANCEL;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_paints, 0);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, DoModalRunsUntilEndDialogAndClearsTheMainWindow)
{
    TestDialog dlg;
    App()->m_pMainWnd = &dlg;
    HWND seenOwner = nullptr;
    bool wasVisible = false;
    QTimer::singleShot(0, [&] {
        wasVisible = dlg.IsWindowVisible();
        seenOwner = afx::MainWindowHandle();
        // The framework's box belongs to the main window.
        AfxMessageBox("hello");
        QTest::mouseClick(Control(dlg, IDCANCEL), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(wasVisible);
    EXPECT_GT(dlg.m_paints, 0);
    ASSERT_NE(seenOwner, nullptr);
    ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(testhooks::ShownMessageBoxes()[0].owner, seenOwner);
    EXPECT_EQ(testhooks::ShownMessageBoxes()[0].caption, AfxGetAppName());
    // The window is gone and the application no longer points at it.
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(App()->m_pMainWnd, nullptr);
    EXPECT_EQ(afx::MainWindowHandle(), nullptr);
    EXPECT_FALSE(IsWindow(seenOwner));
}

TEST_F(DialogTest, ModelessDialogDestroyedFromItsOwnOK)
{
    TestDialog main;
    ASSERT_TRUE(main.Create(IDD_TEST));
    App()->m_pMainWnd = &main;

    TestDialog entry;
    entry.m_destroyInOK = true;
    ASSERT_TRUE(entry.Create(IDD_TEST, nullptr));  // owned by the main window
    EXPECT_EQ(entry.Widget()->parentWidget(), main.Widget());
    entry.ShowWindow(SW_SHOW);
    entry.CenterWindow();
    QPointer<QWidget> window = entry.Widget();
    QTest::mouseClick(Control(entry, IDOK), Qt::LeftButton);
    EXPECT_EQ(entry.m_oks, 1);
    EXPECT_EQ(entry.m_hWnd, nullptr);
    EXPECT_EQ(entry.m_choice.m_hWnd, nullptr);
    Settle();
    EXPECT_TRUE(window.isNull());

    // The next window is new, and bound afresh.
    ASSERT_TRUE(entry.Create(IDD_TEST));
    EXPECT_NE(entry.m_choice.m_hWnd, nullptr);
    EXPECT_EQ(entry.m_choice.GetCount(), 0);
    main.DestroyWindow();
}

TEST_F(DialogTest, MessageMapsWalkTheClassThenItsBase)
{
    TestDialog dlg;
    const AFX_MSGMAP* map = dlg.GetMessageMap();
    EXPECT_EQ(map->lpEntries[0].nMessage, WM_PAINT);
    EXPECT_EQ(map->lpEntries[1].nCode, UINT(CBN_SELCHANGE));
    EXPECT_EQ(map->lpEntries[1].nID, UINT(IDC_CHOICE));
    EXPECT_NE(dlg.FindMessageEntry(WM_COMMAND, EN_KILLFOCUS, IDC_NUMBER_B), nullptr);
    EXPECT_EQ(dlg.FindMessageEntry(WM_COMMAND, EN_KILLFOCUS, IDC_TEXT), nullptr);
    // IDOK is CDialog's entry, reached through the base map.
    EXPECT_EQ(dlg.FindMessageEntry(WM_COMMAND, BN_CLICKED, IDOK),
              CDialog::GetThisMessageMap()->lpEntries);

    ASSERT_TRUE(dlg.Create(IDD_TEST));
    dlg.SendMessage(WM_KEYDOWN, 'Q', MAKELPARAM(1, 0));
    EXPECT_EQ(dlg.m_keyDowns, std::vector<UINT>{'Q'});
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(dlg.m_cancels, 1);
    EXPECT_EQ(dlg.SendMessage(WM_QUERYDRAGICON), 0);
    dlg.SendMessage(WM_PAINT);
    EXPECT_EQ(dlg.m_paints, 1);
}

TEST_F(DialogTest, WindowMessageBoxCaptionDefaultsToTheTitle)
{
    TestDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    testhooks::AnswerNextMessageBoxes({IDYES});
    EXPECT_EQ(dlg.MessageBox("Exit?", "Vantrel", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2),
              IDYES);
    EXPECT_EQ(dlg.MessageBox("plain"), IDOK);
    const auto& boxes = testhooks::ShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Vantrel");
    EXPECT_EQ(boxes[0].owner, dlg.m_hWnd);
    EXPECT_EQ(boxes[0].buttons(), MB_YESNO);
    EXPECT_EQ(boxes[0].icon(), MB_ICONQUESTION);
    EXPECT_EQ(boxes[0].defaultButton(), MB_DEFBUTTON2);
    EXPECT_EQ(boxes[1].caption, AfxGetAppName());
    EXPECT_EQ(boxes[1].buttons(), MB_OK);
}

TEST_F(DialogTest, IconsCursorsAndMetrics)
{
    HICON icon = App()->LoadIcon(128);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(App()->LoadIcon(128), icon);
    EXPECT_EQ(App()->LoadIcon(4242), nullptr);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);

    TestDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    dlg.SetIcon(icon, TRUE);
    EXPECT_FALSE(dlg.Widget()->windowIcon().isNull());
    CPaintDC dc(&dlg);
    EXPECT_NE(dc.GetSafeHdc(), nullptr);
    EXPECT_TRUE(dc.DrawIcon(0, 0, icon));

    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(SetCursor(LoadCursor(nullptr, IDC_ARROW)), LoadCursor(nullptr, IDC_WAIT));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace

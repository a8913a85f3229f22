// Modeless entry dialogs as the editor uses them: made with or without a
// parent, shown, centred over their owner, and destroyed from inside their
// own Cancel by whoever receives the result.
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "MfcFixture.h"

namespace {

using EntryDialogTest = MfcTest;

// Its Cancel reports to a receiver that destroys the window at once, as the
// editor's result handlers do.
class ReportingDialog : public TestDialog {
public:
    int m_cancels = 0;

protected:
    void OnCancel() override
    {
        ++m_cancels;
        CDialog::OnCancel();
        DestroyWindow();
    }
};

QRect FrameOf(CWnd& window)
{
    return window.Widget()->frameGeometry();
}

TEST_F(EntryDialogTest, ShownAndCentredOverTheParentOrTheMainWindow)
{
    TestDialog main;
    ASSERT_TRUE(main.Create(IDD_TEST));
    main.ShowWindow(SW_SHOW);
    main.Widget()->resize(600, 400);
    main.Widget()->move(130, 70);
    Settle();

    TestDialog entry;
    for (bool mainWindow : {false, true}) {
        App()->m_pMainWnd = mainWindow ? &main : nullptr;
        ASSERT_TRUE(entry.Create(IDD_TEST, mainWindow ? nullptr : &main)) << mainWindow;
        EXPECT_EQ(entry.Widget()->parentWidget(), main.Widget()) << mainWindow;
        EXPECT_FALSE(entry.IsWindowVisible());
        EXPECT_FALSE(entry.ShowWindow(SW_SHOW));  // hidden before
        EXPECT_TRUE(entry.IsWindowVisible());
        entry.CenterWindow();
        EXPECT_EQ(FrameOf(entry).center(), FrameOf(main).center()) << mainWindow;
        entry.DestroyWindow();
    }

    // Without parent or main window: centred on the screen.
    App()->m_pMainWnd = nullptr;
    ASSERT_TRUE(entry.Create(IDD_TEST));
    EXPECT_EQ(entry.Widget()->parentWidget(), nullptr);
    entry.ShowWindow(SW_SHOW);
    entry.CenterWindow();
    EXPECT_EQ(FrameOf(entry).center(), entry.Widget()->screen()->availableGeometry().center());
    entry.DestroyWindow();
    main.DestroyWindow();
}

TEST_F(EntryDialogTest, DestroyedFromItsOwnCancelByEscOrTheCloseBox)
{
    ReportingDialog entry;
    for (int way = 0; way < 3; ++way) {
        ASSERT_TRUE(entry.Create(IDD_TEST));
        entry.ShowWindow(SW_SHOW);
        QPointer<QWidget> window = entry.Widget();
        QLineEdit* edit = Edit(entry, IDC_TEXT);
        edit->setFocus();
        if (way == 0)
            QTest::keyClick(edit, Qt::Key_Escape);
        else if (way == 1)
            window->close();
        else
            QTest::mouseClick(Control(entry, IDCANCEL), Qt::LeftButton);
        EXPECT_EQ(entry.m_cancels, way + 1);
        EXPECT_EQ(entry.m_hWnd, nullptr) << way;
        EXPECT_EQ(entry.m_choice.m_hWnd, nullptr) << way;
        Settle();
        EXPECT_TRUE(window.isNull()) << way;
    }
}

}  // namespace

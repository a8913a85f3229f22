// Modal and modeless dialogs, message boxes, icons, cursors, file dialogs.
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
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
        // The framework's box belongs to the main window; a window's box to
        // that window, with the application's name when no caption is given.
        AfxMessageBox("hello");
        dlg.MessageBox("plain");
        QTest::mouseClick(Control(dlg, IDCANCEL), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(wasVisible);
    EXPECT_GT(dlg.m_paints, 0);
    ASSERT_NE(seenOwner, nullptr);
    const auto& boxes = testhooks::ShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.owner, seenOwner);
        EXPECT_EQ(box.caption, AfxGetAppName());
    }
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

TEST_F(DialogTest, IconsAndTheWaitCursor)
{
    EXPECT_NE(App()->LoadIcon(128), nullptr);
    EXPECT_EQ(App()->LoadIcon(4242), nullptr);
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(SetCursor(LoadCursor(nullptr, IDC_ARROW)), LoadCursor(nullptr, IDC_WAIT));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DialogTest, FileDialogsAreScriptedAndMoveTheCurrentDirectory)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString start = QDir::currentPath();
    const QString chosen = QDir(folder.path()).canonicalPath();
    const char* filter = "\xBD\xBA\xC5\xD7\xC0\xCC\xC1\xF6 \xC6\xC4\xC0\xCF (*.stg) |*.stg|";
    struct Case {
        BOOL open;
        testhooks::FileDialogAnswer answer;
        int result;
        const char* name;
    } cases[] = {
        {FALSE, {true, folder.path().toStdString(), "ab"}, IDOK, "ab.stg"},  // extension added
        {TRUE, {}, IDCANCEL, ""},
        {TRUE, {true, folder.path().toStdString(), "stage.bak"}, IDOK, "stage.bak"},
    };
    for (const Case& c : cases) {
        QDir::setCurrent(start);
        testhooks::AnswerNextFileDialogs({c.answer});
        CFileDialog dialog(c.open, "stg", "none.stg", OFN_OVERWRITEPROMPT, filter);
        EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
        EXPECT_EQ(dialog.GetFileName(), c.name);
        EXPECT_EQ(QDir::currentPath(), c.result == IDOK ? chosen : start) << c.name;
    }
    QDir::setCurrent(start);

    // What the program asked for is recorded as it passed it.
    const auto& shown = testhooks::ShownFileDialogs();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_FALSE(shown[0].open);
    EXPECT_EQ(testhooks::Utf8(shown[0].filter), "스테이지 파일 (*.stg) |*.stg|");
}

}  // namespace

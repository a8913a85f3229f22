// Modal and modeless dialogs, message boxes, icons, cursors, file dialogs.
#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
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

// The real dialog, driven through its name box: what it is set up with, a
// name with wildcards taken as a pattern, the question before a file is
// replaced, and the folder it leaves as the current directory.
TEST_F(DialogTest, RealFileDialogsTakeTheStageFileSettings)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString chosen = QDir(folder.path()).canonicalPath();
    QFile(chosen + "/a.stg").open(QIODevice::WriteOnly);
    const QString start = QDir::currentPath();
    const char* filter = "\xBD\xBA\xC5\xD7\xC0\xCC\xC1\xF6 \xC6\xC4\xC0\xCF (*.stg) |*.stg|";

    // Real dialogs for this test alone; one left open by a failing check
    // is closed rather than waited for.
    testhooks::CaptureMessageBoxes(false);
    struct Restore {
        ~Restore() { testhooks::CaptureMessageBoxes(true); }
    } restore;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a dialog was left open";
            modal->close();
        }
    });
    watchdog.start(3000);

    // Types into the name box and presses Enter.
    auto enter = [](QFileDialog* dialog, const QString& text) {
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(text);
        QTest::keyClick(name, Qt::Key_Return);
    };

    // Open: "*.stg" in the name box, which Enter takes as a pattern, as it
    // takes "*.bak"; then a typed name gets the extension.
    QDir::setCurrent(chosen);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ran = true;
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"스테이지 파일 (*.stg)"});
        EXPECT_EQ(dialog->defaultSuffix(), "stg");
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), chosen);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), "*.stg");
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->selectedNameFilter(), "스테이지 파일 (*.stg)");
        enter(dialog, "*.bak");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->selectedNameFilter(), "*.bak");
        enter(dialog, "b");
    });
    CFileDialog open(TRUE, "stg", "*.stg", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter);
    EXPECT_EQ(open.DoModal(), IDOK);
    EXPECT_TRUE(ran);
    EXPECT_EQ(open.GetFileName(), "b.stg");

    // Save: the current name proposed; an existing file is replaced only
    // after the dialog's own question, here answered No.
    QDir::setCurrent(start);
    ran = false;
    bool asked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ran = true;
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters(), QStringList{"스테이지 파일 (*.stg)"});
        EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), "none.stg");
        dialog->setDirectory(chosen);
        QTimer::singleShot(0, [&] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(question, nullptr);
            asked = true;
            question->button(QMessageBox::No)->click();
        });
        enter(dialog, "a");
        EXPECT_TRUE(asked);
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    CFileDialog save(FALSE, "stg", "none.stg", OFN_OVERWRITEPROMPT, filter);
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(asked);
    EXPECT_EQ(QDir::currentPath(), start);
}

}  // namespace

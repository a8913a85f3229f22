// Modal dialogs and their message boxes, the wait cursor, and the real file
// dialogs with the stage files' settings.
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "MfcFixture.h"

namespace {

using DialogTest = MfcTest;

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
    const std::string filter = testhooks::Cp949("스테이지 파일 (*.stg) |*.stg|");
    const QStringList filters = {QString::fromUtf8("스테이지 파일 (*.stg)")};

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

    // The dialog's name box; typing into it and pressing Enter.
    auto nameBox = [](QFileDialog* dialog) { return dialog->findChild<QLineEdit*>("fileNameEdit"); };
    auto enter = [&](QFileDialog* dialog, const QString& text) {
        nameBox(dialog)->setText(text);
        QTest::keyClick(nameBox(dialog), Qt::Key_Return);
    };

    // Open: "*.stg" in the name box, which Enter takes as a pattern, as it
    // takes "*.bak"; then a typed name gets the extension.
    QDir::setCurrent(chosen);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog && nameBox(dialog));
        ran = true;
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(dialog->nameFilters(), filters);
        EXPECT_EQ(dialog->defaultSuffix(), "stg");
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), chosen);
        EXPECT_EQ(nameBox(dialog)->text(), "*.stg");
        enter(dialog, "*.stg");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->selectedNameFilter(), filters[0]);
        enter(dialog, "*.bak");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->selectedNameFilter(), "*.bak");
        enter(dialog, "b");
    });
    CFileDialog open(TRUE, "stg", "*.stg", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter.c_str());
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
        ASSERT_TRUE(dialog && nameBox(dialog));
        ran = true;
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters(), filters);
        EXPECT_EQ(nameBox(dialog)->text(), "none.stg");
        dialog->setDirectory(chosen);
        WhenModalShows<QMessageBox>([&](QMessageBox* question) {
            asked = true;
            question->button(QMessageBox::No)->click();
        });
        enter(dialog, "a");
        EXPECT_TRUE(asked);
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    CFileDialog save(FALSE, "stg", "none.stg", OFN_OVERWRITEPROMPT, filter.c_str());
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(asked);
    EXPECT_EQ(QDir::currentPath(), start);
}

}  // namespace

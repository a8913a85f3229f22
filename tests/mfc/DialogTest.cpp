// Modal dialogs and their message boxes, the wait cursor, and the file
// dialogs: the stage files' settings, names in folders that do not exist,
// and folders that hold special files.
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "MfcFixture.h"
#include "testing/FileDialogs.h"

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

// Real file dialogs for these tests alone; one left open by a failing check
// is closed rather than waited for.
class FileDialogTest : public MfcTest {
protected:
    void SetUp() override
    {
        MfcTest::SetUp();
        ASSERT_TRUE(m_folder.isValid());
        m_path = QDir(m_folder.path()).canonicalPath();
        m_start = QDir::currentPath();
        testhooks::CaptureMessageBoxes(false);
        QObject::connect(&m_watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a dialog was left open";
                modal->close();
            }
        });
        m_watchdog.start(5000);
    }
    void TearDown() override
    {
        m_watchdog.stop();
        testhooks::CaptureMessageBoxes(true);
        QDir::setCurrent(m_start);
        MfcTest::TearDown();
    }

    static QFileDialog* Shown() { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); }
    static QLineEdit* NameBox(QFileDialog* dialog) { return dialog->findChild<QLineEdit*>("fileNameEdit"); }
    // Puts a name into the name box and presses Enter. (Typed key by key,
    // a path would open the name box's completion list, which takes Enter.)
    static void Enter(QFileDialog* dialog, const QString& text)
    {
        NameBox(dialog)->setText(text);
        QTest::keyClick(NameBox(dialog), Qt::Key_Return);
    }
    // Waits until the dialog lists the entry named in its folder.
    static bool Lists(QFileDialog* dialog, const QString& entry)
    {
        auto* model = dialog->findChild<QFileSystemModel*>();
        return model && QTest::qWaitFor([&] {
            QModelIndex folder = model->index(dialog->directory().absolutePath());
            for (int row = 0; row < model->rowCount(folder); row++)
                if (model->fileName(model->index(row, 0, folder)) == entry) return true;
            return false;
        }, 3000);
    }

    QTemporaryDir m_folder;
    QString m_path;
    QString m_start;
    QTimer m_watchdog;
    const std::string m_filter = testhooks::Cp949("스테이지 파일 (*.stg) |*.stg|");
};

// The real dialog, driven through its name box: what it is set up with, a
// name with wildcards taken as a pattern, the question before a file is
// replaced, and the folder it leaves as the current directory.
TEST_F(FileDialogTest, TakeTheStageFileSettings)
{
    QFile(m_path + "/a.stg").open(QIODevice::WriteOnly);
    const QStringList filters = {QString::fromUtf8("스테이지 파일 (*.stg)")};

    // Open: "*.stg" in the name box, which Enter takes as a pattern, as it
    // takes "*.bak"; then a typed name gets the extension.
    QDir::setCurrent(m_path);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QFileDialog* dialog = Shown();
        ASSERT_TRUE(dialog && NameBox(dialog));
        ran = true;
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(dialog->nameFilters(), filters);
        EXPECT_EQ(dialog->defaultSuffix(), "stg");
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), m_path);
        EXPECT_EQ(NameBox(dialog)->text(), "*.stg");
        Enter(dialog, "*.stg");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->selectedNameFilter(), filters[0]);
        Enter(dialog, "*.bak");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->selectedNameFilter(), "*.bak");
        Enter(dialog, "b");
    });
    CFileDialog open(TRUE, "stg", "*.stg", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, m_filter.c_str());
    EXPECT_EQ(open.DoModal(), IDOK);
    EXPECT_TRUE(ran);
    EXPECT_EQ(open.GetFileName(), "b.stg");

    // Save: the current name proposed; an existing file is replaced only
    // after the dialog's own question, here answered No.
    QDir::setCurrent(m_start);
    ran = false;
    bool asked = false;
    QTimer::singleShot(0, [&] {
        QFileDialog* dialog = Shown();
        ASSERT_TRUE(dialog && NameBox(dialog));
        ran = true;
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters(), filters);
        EXPECT_EQ(NameBox(dialog)->text(), "none.stg");
        dialog->setDirectory(m_path);
        WhenModalShows<QMessageBox>([&](QMessageBox* question) {
            asked = true;
            question->button(QMessageBox::No)->click();
        });
        Enter(dialog, "a");
        EXPECT_TRUE(asked);
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    CFileDialog save(FALSE, "stg", "none.stg", OFN_OVERWRITEPROMPT, m_filter.c_str());
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(asked);
    EXPECT_EQ(QDir::currentPath(), m_start);
}

// A name in a folder that does not exist is refused over the dialog, which
// stays open for another name; the program never gets a name that its bare
// file name would find somewhere else.
TEST_F(FileDialogTest, RefuseANameWhoseFolderDoesNotExist)
{
    QDir::setCurrent(m_path);
    for (bool openDialog : {false, true}) {
        SCOPED_TRACE(openDialog ? "open" : "save");
        const QString typed = openDialog ? m_path + "/nosuch/st01.stg" : QString("nosuch/st04.stg");
        QString refusal;
        bool stayedOpen = false;
        QTimer::singleShot(0, [&] {
            QFileDialog* dialog = Shown();
            ASSERT_TRUE(dialog && NameBox(dialog));
            WhenModalShows<QMessageBox>([&](QMessageBox* box) {
                refusal = box->text();
                EXPECT_EQ(box->parentWidget(), dialog);
                QTest::keyClick(box, Qt::Key_Return);
            });
            Enter(dialog, typed);
            (void)QTest::qWaitFor([&] { return !refusal.isEmpty(); }, 2000);
            stayedOpen = dialog->isVisible();
            Enter(dialog, "st04");
        });
        CFileDialog dialog(openDialog, "stg", openDialog ? "*.stg" : "none.stg", OFN_OVERWRITEPROMPT,
                           m_filter.c_str());
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_TRUE(refusal.contains(QString::fromUtf8("경로가 없습니다"))) << refusal.toStdString();
        EXPECT_TRUE(refusal.contains(m_path + "/nosuch/st0")) << refusal.toStdString();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(dialog.GetFileName(), "st04.stg");
        EXPECT_EQ(QDir::currentPath(), m_path);
    }

    // A scripted dialog refuses the same name and takes the next answer.
    testhooks::CaptureMessageBoxes(true);
    testhooks::AnswerNextFileDialogs({{true, m_path.toStdString(), "nosuch/x"},
                                      {true, m_path.toStdString(), "y"}});
    CFileDialog scripted(FALSE, "stg", "none.stg", OFN_OVERWRITEPROMPT, m_filter.c_str());
    EXPECT_EQ(scripted.DoModal(), IDOK);
    EXPECT_EQ(scripted.GetFileName(), "y.stg");
    ASSERT_EQ(testhooks::ShownFileDialogs().size(), 1u);
    EXPECT_EQ(testhooks::ShownFileDialogs()[0].refused,
              std::vector<std::string>{m_path.toStdString() + "/nosuch/x.stg"});
}

// The dialogs list a folder from the names and kinds of its entries alone:
// no file in it is opened, so a special file that blocks on reading (a link
// to /proc/kmsg, a named pipe) cannot hang them. /proc and /dev list at
// once, and a dialog opened after one that visited /proc (which the
// dialogs remember) lists and takes a name too.
TEST_F(FileDialogTest, ListFoldersWithoutReadingTheirFiles)
{
    for (const char* name : {"a.stg", "notes", "pic.bak"}) {
        QFile file(m_path + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("some bytes that only a reader of contents would look at");
    }
    ASSERT_EQ(mkfifo(QFile::encodeName(m_path + "/pipe").constData(), 0600), 0);
    QFile::link("/proc/kmsg", m_path + "/kmsg");
    QDir::setCurrent(m_path);

    // Every entry in the folder that something opens, from now on.
    int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(m_path).constData(), IN_OPEN), 0);
    auto opened = [watch] {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        ssize_t length;
        while ((length = read(watch, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + length;) {
                auto* event = reinterpret_cast<inotify_event*>(at);
                if (event->len > 0 && !(event->mask & IN_ISDIR)) names << event->name;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    };

    // Lists every entry of the folder, then answers.
    auto run = [&](BOOL openDialog, const QString& folder, const QString& entry, const QString& typed) {
        SCOPED_TRACE(folder.toStdString());
        QDir::setCurrent(folder);
        bool listed = false;
        QTimer::singleShot(0, [&] {
            QFileDialog* dialog = Shown();
            ASSERT_TRUE(dialog && NameBox(dialog));
            dialog->setNameFilter("*");
            listed = Lists(dialog, entry);

            if (typed.isEmpty())
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                Enter(dialog, typed);
        });
        CFileDialog dialog(openDialog, "stg", openDialog ? "*.stg" : "none.stg", OFN_OVERWRITEPROMPT,
                           m_filter.c_str());
        EXPECT_EQ(dialog.DoModal(), typed.isEmpty() ? IDCANCEL : IDOK);
        EXPECT_TRUE(listed);
    };
    run(TRUE, m_path, "kmsg", "st01");
    run(FALSE, "/proc", "kmsg", "");
    run(TRUE, "/dev", "pts", "");
    run(FALSE, m_path, "notes", "st02");
    EXPECT_EQ(QDir::currentPath(), m_path);
    EXPECT_EQ(opened(), QStringList());
    close(watch);
    // Nothing remembered in the user's configuration either.
    EXPECT_FALSE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/QtProject.conf"));
}

}  // namespace

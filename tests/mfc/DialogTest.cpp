// Modal dialogs and their message boxes, the wait cursor, and the file
// dialogs: the stage files' settings, names in folders that do not exist,
// and folders that hold special files.
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "MfcFixture.h"
#include "mfc/AfxInternal.h"
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
    // The application's name is its program file's.
    EXPECT_STREQ(AfxGetAppName(), "test_mfc");
    // The window is gone and the application no longer points at it.
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(App()->m_pMainWnd, nullptr);
    EXPECT_EQ(afx::MainWindowHandle(), nullptr);
    EXPECT_FALSE(IsWindow(seenOwner));
}

TEST_F(DialogTest, IconsAndTheWaitCursor)
{
    // The icon as its resource draws it, one handle for every load.
    HICON icon = App()->LoadIcon(128);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(App()->LoadIcon(128), icon);
    const QImage image = afx::IconImage(icon);
    ASSERT_EQ(image.size(), QSize(32, 32));
    // Film, sprocket hole, sun, the player's legs.
    EXPECT_EQ((std::vector<QRgb>{image.pixel(0, 0), image.pixel(1, 1), image.pixel(24, 6), image.pixel(10, 19)}),
              (std::vector<QRgb>{0xFF1A1A1Au, 0xFFF2F2F2u, 0xFFFFD83Cu, 0xFF1F2C6Bu}));
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
        testhooks::CaptureMessageBoxes(true);
        QDir::setCurrent(m_start);
        MfcTest::TearDown();
    }

    // Runs the stage files' open or save dialog from the current folder;
    // user acts on it once it is up. Returns what DoModal returned and the
    // name it chose.
    std::pair<int, CString> Run(bool open, const std::function<void(QFileDialog*)>& user)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog && NameBox(dialog));
            ran = true;
            user(dialog);
        });
        CFileDialog dialog(open, "stg", open ? "*.stg" : "none.stg",
                           open ? OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT : OFN_OVERWRITEPROMPT,
                           m_filter.c_str());
        int result = dialog.DoModal();
        EXPECT_TRUE(ran);
        return {result, dialog.GetFileName()};
    }
    static QLineEdit* NameBox(QFileDialog* dialog) { return dialog->findChild<QLineEdit*>("fileNameEdit"); }
    // Puts a name into the name box and presses Enter. (Typed key by key,
    // a path would open the name box's completion list, which takes Enter.)
    static void Enter(QFileDialog* dialog, const QString& text)
    {
        NameBox(dialog)->setText(text);
        QTest::keyClick(NameBox(dialog), Qt::Key_Return);
    }

    QTemporaryDir m_folder;
    QString m_path;
    QString m_start;
    QTimer m_watchdog;
    const std::string m_filter = testhooks::Cp949("스테이지 파일 (*.stg) |*.stg|");
};

// What the dialogs are set up with, a name with wildcards taken as a
// pattern, the question before a file is replaced, and the folder they
// leave as the current directory.
TEST_F(FileDialogTest, TakeTheStageFileSettings)
{
    QFile(m_path + "/a.stg").open(QIODevice::WriteOnly);
    const QStringList filters = {QString::fromUtf8("스테이지 파일 (*.stg)")};
    QDir::setCurrent(m_path);
    auto [result, name] = Run(true, [&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(dialog->nameFilters(), filters);
        EXPECT_EQ(dialog->defaultSuffix(), "stg");
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), m_path);
        EXPECT_EQ(NameBox(dialog)->text(), "*.stg");
        Enter(dialog, "*.bak");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->selectedNameFilter(), "*.bak");
        Enter(dialog, "*.stg");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->selectedNameFilter(), filters[0]);
        EXPECT_EQ(dialog->nameFilters(), filters + QStringList{"*.bak"});
        Enter(dialog, "b");
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(name, "b.stg");

    // Save, from elsewhere: the question answered No keeps the dialog open.
    QDir::setCurrent(m_start);
    bool asked = false;
    result = Run(false, [&](QFileDialog* dialog) {
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
        EXPECT_TRUE(asked && dialog->isVisible());
        EXPECT_EQ(dialog->nameFilters(), filters);
        dialog->reject();
    }).first;
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(QDir::currentPath(), m_start);
}

// A name in a folder that does not exist is refused over the dialog, which
// stays open for another name: the program never gets a name whose bare
// file name would find another file.
TEST_F(FileDialogTest, RefuseANameWhoseFolderDoesNotExist)
{
    QDir::setCurrent(m_path);
    for (bool open : {false, true}) {
        QString refusal;
        auto [result, name] = Run(open, [&](QFileDialog* dialog) {
            WhenModalShows<QMessageBox>([&](QMessageBox* box) {
                refusal = box->text();
                EXPECT_EQ(box->parentWidget(), dialog);
                QTest::keyClick(box, Qt::Key_Return);
            });
            Enter(dialog, open ? m_path + "/nosuch/st01.stg" : QString("nosuch/st04.stg"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return !refusal.isEmpty(); }, 2000));
            EXPECT_TRUE(dialog->isVisible());
            Enter(dialog, "st04");
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(name, "st04.stg");
        EXPECT_EQ(QDir::currentPath(), m_path);
        EXPECT_TRUE(refusal.startsWith(m_path + "/nosuch/st0")) << refusal.toStdString();
        EXPECT_TRUE(refusal.contains(QString::fromUtf8("경로가 없습니다"))) << refusal.toStdString();
    }

    // A scripted dialog refuses the same name and takes the next answer.
    testhooks::CaptureMessageBoxes(true);
    testhooks::AnswerNextFileDialogs({{true, m_path.toStdString(), "nosuch/x"},
                                      {true, m_path.toStdString(), "y"}});
    CFileDialog scripted(FALSE, "stg", "none.stg", OFN_OVERWRITEPROMPT, m_filter.c_str());
    EXPECT_EQ(scripted.DoModal(), IDOK);
    EXPECT_EQ(scripted.GetFileName(), "y.stg");
    EXPECT_EQ(testhooks::ShownFileDialogs().at(0).refused,
              std::vector<std::string>{m_path.toStdString() + "/nosuch/x.stg"});
}

// The dialogs list a folder from the names and kinds of its entries alone:
// no file in it is opened, so a special file that blocks on reading (a link
// to /proc/kmsg, a named pipe) cannot hang them. /proc and /dev list at
// once, a dialog opened after one that visited /proc does too, and nothing
// is remembered in the user's configuration.
TEST_F(FileDialogTest, ListFoldersWithoutReadingTheirFiles)
{
    for (const char* name : {"a.stg", "notes", "pic.bak"}) {
        QFile file(m_path + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("some bytes that only a reader of contents would look at");
    }
    ASSERT_EQ(mkfifo(QFile::encodeName(m_path + "/pipe").constData(), 0600), 0);
    QFile::link("/proc/kmsg", m_path + "/kmsg");
    int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(m_path).constData(), IN_OPEN), 0);

    // Lists every entry of the folder, waits for the one named, then answers.
    auto list = [&](bool open, const QString& folder, const QString& entry, const QString& typed) {
        SCOPED_TRACE(folder.toStdString());
        QDir::setCurrent(folder);
        int result = Run(open, [&](QFileDialog* dialog) {
            // Nothing of the earlier dialogs' folders is remembered.
            EXPECT_LE(dialog->history().size(), 1) << dialog->history().join(" ").toStdString();
            dialog->setNameFilter("*");
            auto* model = dialog->findChild<QFileSystemModel*>();
            EXPECT_TRUE(QTest::qWaitFor([&] {
                QModelIndex shown = model->index(folder);
                for (int row = 0; row < model->rowCount(shown); row++)
                    if (model->fileName(model->index(row, 0, shown)) == entry) return true;
                return false;
            }, 3000));
            // Entries show an icon and a type, and so do the places beside them.
            const QModelIndex shown = model->index(folder + "/" + entry);
            EXPECT_FALSE(model->fileIcon(shown).isNull());
            EXPECT_FALSE(model->type(shown).isEmpty());
            auto* places = dialog->findChild<QListView*>("sidebar");
            ASSERT_TRUE(places && places->model()->rowCount() > 0);
            for (int row = 0; row < places->model()->rowCount(); row++) {
                const QVariant icon = places->model()->index(row, 0).data(Qt::DecorationRole);
                EXPECT_FALSE(icon.value<QIcon>().isNull()) << row;
            }
            if (typed.isEmpty())
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                Enter(dialog, typed);
        }).first;
        EXPECT_EQ(result, typed.isEmpty() ? IDCANCEL : IDOK);
    };
    list(true, m_path, "kmsg", "st01");
    list(false, "/proc", "kmsg", "");
    list(true, "/dev", "pts", "");
    list(false, m_path, "notes", "st02");
    EXPECT_EQ(QDir::currentPath(), m_path);

    // Every entry of the folder that something opened.
    QStringList opened;
    alignas(inotify_event) char events[4096];
    for (ssize_t length; (length = read(watch, events, sizeof events)) > 0;) {
        for (char* at = events; at < events + length;) {
            auto* event = reinterpret_cast<inotify_event*>(at);
            if (event->len > 0 && !(event->mask & IN_ISDIR)) opened << event->name;
            at += sizeof(inotify_event) + event->len;
        }
    }
    close(watch);
    EXPECT_EQ(opened, QStringList());
    EXPECT_FALSE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/QtProject.conf"));
}

}  // namespace

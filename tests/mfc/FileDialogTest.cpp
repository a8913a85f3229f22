// The file dialog, scripted: what the program asked for, the name it gets
// back, and the current directory it leaves.
#include <QDir>
#include <QTemporaryDir>

#include "MfcFixture.h"

namespace {

class FileDialogTest : public MfcTest {
protected:
    void SetUp() override
    {
        MfcTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        start = QDir::currentPath();
    }
    void TearDown() override
    {
        QDir::setCurrent(start);
        MfcTest::TearDown();
    }

    QTemporaryDir folder;
    QString start;
};

const char* const kFilter = "\xBD\xBA\xC5\xD7\xC0\xCC\xC1\xF6 \xC6\xC4\xC0\xCF (*.stg) |*.stg|";

TEST_F(FileDialogTest, SaveAddsTheDefaultExtensionAndMovesTheCurrentDirectory)
{
    testhooks::AnswerNextFileDialogs({{true, folder.path().toStdString(), "ab"}});
    CFileDialog dialog(FALSE, "stg", "none.stg", OFN_OVERWRITEPROMPT, kFilter);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetFileName(), "ab.stg");
    EXPECT_EQ(dialog.GetFileExt(), "stg");
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());

    const auto& shown = testhooks::ShownFileDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown[0].open);
    EXPECT_EQ(shown[0].defaultExtension, "stg");
    EXPECT_EQ(shown[0].initialName, "none.stg");
    EXPECT_EQ(testhooks::Utf8(shown[0].filter), "스테이지 파일 (*.stg) |*.stg|");
    EXPECT_EQ(shown[0].flags, OFN_OVERWRITEPROMPT);
    EXPECT_EQ(shown[0].answer, IDOK);
}

TEST_F(FileDialogTest, OpenKeepsATypedExtensionAndCancelChangesNothing)
{
    testhooks::AnswerNextFileDialogs({{true, folder.path().toStdString(), "stage.bak"}, {}});
    CFileDialog open(TRUE, "stg", "*.stg", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    EXPECT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetFileName(), "stage.bak");
    EXPECT_TRUE(testhooks::ShownFileDialogs()[0].open);

    QDir::setCurrent(start);
    CFileDialog cancelled(TRUE, "stg", "*.stg", OFN_HIDEREADONLY, kFilter);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetFileName(), "");
    EXPECT_EQ(QDir::currentPath(), start);
    EXPECT_EQ(testhooks::ShownFileDialogs()[1].answer, IDCANCEL);

    // Nothing scripted: cancel.
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
}

}  // namespace

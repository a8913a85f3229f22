// Keys go through the PreTranslateMessage of their own dialog first; an
// edit's change may be undone from inside its notification with a real
// message box, after which the edit keeps the focus.
#include <QMessageBox>

#include "MfcFixture.h"

namespace {

using ControlsTest = TestDialogTest;

TEST_F(ControlsTest, KeysGoThroughTheirOwnDialogFirst)
{
    TestDialog second;
    ASSERT_TRUE(second.Create(IDD_TEST));
    second.ShowWindow(SW_SHOW);
    ASSERT_TRUE(QTest::qWaitForWindowActive(second.Widget()));

    QLineEdit* edit = Edit(second, IDC_TEXT);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_W);
    QTest::keyClick(edit, Qt::Key_Q, Qt::ShiftModifier);
    EXPECT_EQ(second.m_keys, (std::vector<UINT>{'W', VK_SHIFT, 'Q'}));
    EXPECT_EQ(second.m_keyDowns, second.m_keys);
    EXPECT_TRUE(dlg.m_keys.empty());
    EXPECT_EQ(edit->text(), "wq");  // not consumed: the edit got its characters

    // Keys pressed with Alt are system keys, Alt itself included; their
    // characters are not typed.
    QTest::keyClick(edit, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(second.m_sysKeys, (std::vector<UINT>{VK_MENU, 'W'}));
    EXPECT_EQ(second.m_keys.size(), 3u);
    EXPECT_EQ(edit->text(), "wq");

    second.m_consumeKeys = true;
    QTest::keyClick(edit, Qt::Key_Z);
    EXPECT_EQ(second.m_keys.back(), UINT('Z'));
    EXPECT_EQ(edit->text(), "wq");
}

TEST_F(ControlsTest, AChangeUndoneWithARealBoxLeavesTheEditItsTextAndFocus)
{
    // The handler keeps the text within 3 bytes, as the event dialog keeps
    // its lines within 35; putting the text back notifies nobody.
    int changes = 0;
    dlg.m_onChangeText = [&] {
        ++changes;
        CString previous = dlg.m_text;
        dlg.UpdateData(TRUE);
        if (dlg.m_text.GetLength() > 3) {
            AfxMessageBox("too long");
            dlg.m_text = previous;
        }
        dlg.UpdateData(FALSE);
    };
    QLineEdit* edit = Edit(dlg, IDC_TEXT);
    edit->setFocus();
    Type(edit, "abc");

    testhooks::CaptureMessageBoxes(false);
    bool boxShown = false;
    WhenModalShows<QMessageBox>([&](QMessageBox* box) {
        boxShown = true;
        box->button(QMessageBox::Ok)->click();
    });
    Type(edit, "e");
    testhooks::CaptureMessageBoxes(true);
    EXPECT_TRUE(boxShown);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(edit->text(), "abc");
    Settle();
    // (The offscreen platform activates no window again after a box, so
    // the test asks the dialog where its focus is.)
    EXPECT_EQ(dlg.Widget()->focusWidget(), edit);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "ab");
    EXPECT_EQ(dlg.m_text, "ab");
}

}  // namespace

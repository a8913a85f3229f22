// Notifications come from the user's own actions only, and every key goes
// through the PreTranslateMessage of its own dialog first.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "MfcFixture.h"

namespace {

class NotificationTest : public MfcTest {
protected:
    void SetUp() override
    {
        MfcTest::SetUp();
        ASSERT_TRUE(first.Create(IDD_TEST));
        first.ShowWindow(SW_SHOW);
        ASSERT_TRUE(QTest::qWaitForWindowActive(first.Widget()));
    }
    void TearDown() override
    {
        first.DestroyWindow();
        second.DestroyWindow();
        MfcTest::TearDown();
    }

    TestDialog first;
    TestDialog second;
};

TEST_F(NotificationTest, UserActionsNotify)
{
    QTest::mouseClick(Control(first, IDC_FLAG), Qt::LeftButton);
    EXPECT_EQ(first.m_flagClicks, 1);

    auto* text = qobject_cast<QLineEdit*>(Control(first, IDC_TEXT));
    text->setFocus();
    QTest::keyClicks(text, "abc");
    EXPECT_EQ(first.m_textChanges, 3);

    first.m_choice.AddString("zero");
    first.m_choice.AddString("one");
    first.m_choice.SetCurSel(0);
    auto* combo = qobject_cast<QComboBox*>(Control(first, IDC_CHOICE));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);  // the user picks the next entry
    EXPECT_EQ(first.m_selchanges, 1);
    EXPECT_EQ(first.m_choice.GetCurSel(), 1);

    // A button that is disabled cannot be clicked.
    first.GetDlgItem(IDC_FLAG)->EnableWindow(FALSE);
    QTest::mouseClick(Control(first, IDC_FLAG), Qt::LeftButton);
    EXPECT_EQ(first.m_flagClicks, 1);
}

TEST_F(NotificationTest, KeysGoThroughTheirOwnDialogFirst)
{
    ASSERT_TRUE(second.Create(IDD_TEST));
    second.ShowWindow(SW_SHOW);
    ASSERT_TRUE(QTest::qWaitForWindowActive(second.Widget()));

    auto* edit = qobject_cast<QLineEdit*>(Control(second, IDC_TEXT));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_W);
    QTest::keyClick(edit, Qt::Key_Q, Qt::ShiftModifier);
    EXPECT_EQ(second.m_keys, (std::vector<UINT>{'W', VK_SHIFT, 'Q'}));
    EXPECT_EQ(second.m_keyDowns, second.m_keys);
    EXPECT_TRUE(first.m_keys.empty());
    // Not consumed: the edit got its characters.
    EXPECT_EQ(edit->text(), "wq");
    EXPECT_EQ(second.m_textChanges, 2);

    // Consumed keys never reach the control.
    second.m_consumeKeys = true;
    QTest::keyClick(edit, Qt::Key_Z);
    EXPECT_EQ(edit->text(), "wq");
    EXPECT_EQ(second.m_keys.back(), UINT('Z'));
}

TEST_F(NotificationTest, EnterIsOkAndEscapeIsCancel)
{
    auto* edit = qobject_cast<QLineEdit*>(Control(first, IDC_NUMBER_A));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(first.m_cancels, 1);
    EXPECT_FALSE(first.Widget()->isVisible());  // a modeless dialog only hides

    first.ShowWindow(SW_SHOW);
    ASSERT_TRUE(QTest::qWaitForWindowActive(first.Widget()));
    edit->setFocus();
    edit->setText("oops");
    // OK reads the fields first; a bad field keeps the dialog open.
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(first.m_oks, 1);
    EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
    EXPECT_TRUE(first.Widget()->isVisible());

    edit->setText("5");
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(first.m_oks, 2);
    EXPECT_EQ(first.m_a, 5);
    EXPECT_FALSE(first.Widget()->isVisible());
}

TEST_F(NotificationTest, CloseBoxIsCancel)
{
    first.Widget()->close();
    EXPECT_EQ(first.m_cancels, 1);
    EXPECT_NE(first.m_hWnd, nullptr);
}

TEST_F(NotificationTest, OkButtonRunsOnOK)
{
    first.m_a = 3;
    first.UpdateData(FALSE);
    QTest::mouseClick(Control(first, IDOK), Qt::LeftButton);
    EXPECT_EQ(first.m_oks, 1);
    QTest::mouseClick(Control(first, IDCANCEL), Qt::LeftButton);
    EXPECT_EQ(first.m_cancels, 1);
}

}  // namespace

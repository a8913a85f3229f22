// Combo box semantics the program relies on; notifications come
// from the user's own actions only, and every key goes through the
// PreTranslateMessage of its own dialog first.
#include <QTest>

#include <cstring>

#include "MfcFixture.h"

namespace {

using ControlsTest = TestDialogTest;

TEST_F(ControlsTest, ComboSelectionAndNotificationsOnlyFromTheUser)
{
    CComboBox& combo = dlg.m_choice;
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(combo.AddString("entry"), i);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);  // adding selects nothing
    struct Pick {
        int index, result;
    } picks[] = {{1, 1}, {3, CB_ERR}, {2, 2}, {-1, CB_ERR}};  // past the end: no selection
    for (const Pick& p : picks) {
        EXPECT_EQ(combo.SetCurSel(p.index), p.result) << p.index;
        EXPECT_EQ(combo.GetCurSel(), p.result) << p.index;
    }
    dlg.m_text = "abc";
    dlg.m_flag = 1;
    dlg.UpdateData(FALSE);
    dlg.UpdateData(TRUE);
    dlg.GetDlgItem(IDC_TEXT)->SetWindowText("set by the program");
    EXPECT_EQ(dlg.m_selchanges + dlg.m_textChanges + dlg.m_flagClicks, 0);

    combo.SetCurSel(0);
    Control(dlg, IDC_CHOICE)->setFocus();
    QTest::keyClick(Control(dlg, IDC_CHOICE), Qt::Key_Down);  // the user picks the next entry
    EXPECT_EQ(dlg.m_selchanges, 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    QTest::mouseClick(Control(dlg, IDC_FLAG), Qt::LeftButton);
    EXPECT_EQ(dlg.m_flagClicks, 1);
    Edit(dlg, IDC_TEXT)->setFocus();
    QTest::keyClicks(Edit(dlg, IDC_TEXT), "ab");
    EXPECT_EQ(dlg.m_textChanges, 2);
}

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

}  // namespace

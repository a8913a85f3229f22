// List and combo box semantics the program relies on; notifications come
// from the user's own actions only, and every key goes through the
// PreTranslateMessage of its own dialog first.
#include <QTableWidget>
#include <QTest>

#include <cstring>

#include "MfcFixture.h"

namespace {

using ControlsTest = TestDialogTest;

TEST_F(ControlsTest, ListColumnsRowsAndTexts)
{
    CListCtrl& list = dlg.m_rows;
    auto* table = qobject_cast<QTableWidget*>(Control(dlg, IDC_ROWS));
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(table->showGrid());
    EXPECT_EQ(table->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list.InsertColumn(0, "N", LVCFMT_CENTER, 25), 0);
    EXPECT_EQ(list.InsertColumn(1, "hidden", LVCFMT_CENTER, 0), 1);
    EXPECT_EQ(list.InsertColumn(9, "Message1", LVCFMT_LEFT, 210), 2);  // past the end: appended
    EXPECT_EQ(table->columnWidth(0), 25);
    EXPECT_TRUE(table->isColumnHidden(1));

    LVITEM item = {};
    item.mask = LVIF_TEXT;
    item.iItem = 5;  // past the end: the new row goes last
    item.pszText = const_cast<char*>("a");
    EXPECT_EQ(list.InsertItem(&item), 0);
    EXPECT_EQ(list.InsertItem(0, "b"), 0);
    item.iSubItem = 1;
    EXPECT_EQ(list.InsertItem(&item), -1);
    EXPECT_EQ(list.GetItemCount(), 2);

    EXPECT_TRUE(list.SetItemText(1, 2, "abcdef"));
    const std::string korean = testhooks::Cp949("오른쪽");
    EXPECT_TRUE(list.SetItemText(0, 1, korean.c_str()));
    EXPECT_FALSE(list.SetItemText(2, 0, "x"));
    EXPECT_FALSE(list.SetItemText(0, 3, "x"));
    EXPECT_EQ(table->item(0, 0)->textAlignment(), Qt::AlignCenter);
    EXPECT_EQ(table->item(1, 2)->textAlignment(), Qt::AlignLeft | Qt::AlignVCenter);

    // At most length - 1 bytes, always terminated; nothing past the length.
    struct Read {
        int row, column, length, taken;
        const char* text;
    } reads[] = {
        {1, 2, 4, 3, "abc"}, {1, 2, 1, 0, ""}, {1, 2, 8, 6, "abcdef"},
        {1, 1, 8, 0, ""},  // never written
        {9, 0, 8, 0, ""},  // no such row
        {0, 1, 8, 6, korean.c_str()},  // the same code page 949 bytes back
    };
    for (const Read& r : reads) {
        char buffer[9];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(list.GetItemText(r.row, r.column, buffer, r.length), r.taken) << r.text;
        EXPECT_STREQ(buffer, r.text);
        EXPECT_EQ(buffer[r.length], '#') << r.text;
    }

    // One selected row at most.
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
    for (int row : {1, 0}) {
        table->selectRow(row);
        POSITION pos = list.GetFirstSelectedItemPosition();
        ASSERT_NE(pos, nullptr);
        EXPECT_EQ(list.GetNextSelectedItem(pos), row);
        EXPECT_EQ(pos, nullptr);
    }

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_FALSE(list.DeleteItem(1));
    EXPECT_EQ(list.GetItemText(0, 0), "a");
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);

    // Once its table is gone the list answers as an empty one and never
    // reaches the freed table, though it was read through just before.
    EXPECT_EQ(list.InsertItem(0, "x"), 0);
    EXPECT_EQ(list.GetItemText(0, 0), "x");
    delete table;
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetItemText(0, 0), "");
    EXPECT_EQ(list.InsertItem(0, "y"), -1);
}

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

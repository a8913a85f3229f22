// List and combo box semantics the program relies on.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <cstring>

#include "MfcFixture.h"

namespace {

class ControlsTest : public MfcTest {
protected:
    void SetUp() override
    {
        MfcTest::SetUp();
        ASSERT_TRUE(dlg.Create(IDD_TEST));
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        MfcTest::TearDown();
    }
    QTableWidget* Table() { return qobject_cast<QTableWidget*>(Control(dlg, IDC_ROWS)); }

    TestDialog dlg;
};

TEST_F(ControlsTest, ListColumnsHaveHeadingAlignmentAndWidth)
{
    CListCtrl& list = dlg.m_rows;
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.InsertColumn(0, "N", LVCFMT_CENTER, 25), 0);
    EXPECT_EQ(list.InsertColumn(1, testhooks::Cp949("파일이름").c_str(), LVCFMT_CENTER, 0), 1);
    EXPECT_EQ(list.InsertColumn(9, "Message1", LVCFMT_LEFT, 210), 2);  // past the end: appended

    QTableWidget* table = Table();
    EXPECT_TRUE(table->showGrid());
    EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QString::fromUtf8("파일이름"));
    EXPECT_EQ(table->columnWidth(0), 25);
    EXPECT_TRUE(table->isColumnHidden(1));
    EXPECT_EQ(table->columnWidth(2), 210);
    EXPECT_EQ(table->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(table->selectionBehavior(), QAbstractItemView::SelectRows);

    list.InsertItem(0, "0");
    list.SetItemText(0, 2, "left");
    EXPECT_EQ(table->item(0, 0)->textAlignment(), Qt::AlignCenter);
    EXPECT_EQ(table->item(0, 2)->textAlignment(), Qt::AlignLeft | Qt::AlignVCenter);
}

TEST_F(ControlsTest, ListRowsInsertSetReadAndDelete)
{
    CListCtrl& list = dlg.m_rows;
    for (int i = 0; i < 3; ++i) list.InsertColumn(i, "c", LVCFMT_CENTER, 40);

    LVITEM item = {};
    item.mask = LVIF_TEXT;
    item.iItem = 5;  // past the end: the new row goes last
    item.pszText = const_cast<char*>("a");
    EXPECT_EQ(list.InsertItem(&item), 0);
    EXPECT_EQ(list.InsertItem(0, "b"), 0);
    EXPECT_EQ(list.InsertItem(7, "c"), 2);
    item.iSubItem = 1;
    EXPECT_EQ(list.InsertItem(&item), -1);
    EXPECT_EQ(list.GetItemCount(), 3);

    EXPECT_TRUE(list.SetItemText(1, 2, "abcdef"));
    EXPECT_FALSE(list.SetItemText(3, 0, "x"));
    EXPECT_FALSE(list.SetItemText(0, 3, "x"));

    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(list.GetItemText(1, 2, buffer, 4), 3);  // at most length - 1 bytes
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(buffer[4], '#');
    EXPECT_EQ(list.GetItemText(1, 2, buffer, 1), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(list.GetItemText(1, 2, buffer, 8), 6);
    EXPECT_STREQ(buffer, "abcdef");
    EXPECT_EQ(list.GetItemText(1, 1, buffer, 8), 0);  // never written
    EXPECT_EQ(list.GetItemText(9, 0, buffer, 8), 0);  // no such row
    EXPECT_STREQ(buffer, "");

    // Korean text comes back as the same code page 949 bytes.
    std::string korean = testhooks::Cp949("오른쪽");
    list.SetItemText(0, 1, korean.c_str());
    EXPECT_EQ(list.GetItemText(0, 1, buffer, 8), 6);
    EXPECT_EQ(std::string(buffer), korean);

    EXPECT_EQ(list.GetItemText(0, 0), "b");
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_FALSE(list.DeleteItem(2));
    EXPECT_EQ(list.GetItemText(0, 0), "a");
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ControlsTest, ListSelectionPositions)
{
    CListCtrl& list = dlg.m_rows;
    list.InsertColumn(0, "N", LVCFMT_CENTER, 40);
    for (int i = 0; i < 4; ++i) list.InsertItem(i, "r");
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);

    Table()->selectRow(2);
    POSITION pos = list.GetFirstSelectedItemPosition();
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(list.GetNextSelectedItem(pos), 2);
    EXPECT_EQ(pos, nullptr);

    // One selected row at most.
    Table()->selectRow(0);
    pos = list.GetFirstSelectedItemPosition();
    EXPECT_EQ(list.GetNextSelectedItem(pos), 0);
    EXPECT_EQ(pos, nullptr);
}

TEST_F(ControlsTest, ComboSelectionIsTheProgramsWithoutNotification)
{
    CComboBox& combo = dlg.m_choice;
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.AddString("zero"), 0);
    EXPECT_EQ(combo.AddString(testhooks::Cp949("특정캐릭터").c_str()), 1);
    EXPECT_EQ(combo.AddString("two"), 2);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);  // adding selects nothing

    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    CString text;
    EXPECT_EQ(combo.GetLBText(1, text), 10);
    EXPECT_EQ(testhooks::Utf8(static_cast<LPCSTR>(text)), "특정캐릭터");

    EXPECT_EQ(combo.SetCurSel(3), CB_ERR);  // past the end: no selection
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.SetCurSel(0), 0);
    EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(dlg.m_selchanges, 0);

    combo.SetCurSel(2);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(dlg.m_selchanges, 0);
}

TEST_F(ControlsTest, ButtonsAndWindowState)
{
    auto* flag = static_cast<CButton*>(dlg.GetDlgItem(IDC_FLAG));
    flag->SetCheck(BST_CHECKED);
    EXPECT_EQ(flag->GetCheck(), BST_CHECKED);
    dlg.UpdateData(TRUE);
    EXPECT_EQ(dlg.m_flag, 1);

    CWnd* ok = dlg.GetDlgItem(IDOK);
    EXPECT_FALSE(ok->EnableWindow(FALSE));
    EXPECT_TRUE(ok->EnableWindow(TRUE));
    EXPECT_TRUE(ok->IsWindowEnabled());
    EXPECT_EQ(dlg.GetDlgItem(4242), nullptr);

    ok->SetWindowText(testhooks::Cp949("확인").c_str());
    CString text;
    ok->GetWindowText(text);
    EXPECT_EQ(testhooks::Utf8(static_cast<LPCSTR>(text)), "확인");
    char small[4];
    EXPECT_EQ(ok->GetWindowText(small, sizeof small), 3);

    RECT client;
    dlg.GetClientRect(&client);
    EXPECT_EQ(client.right, dlg.Widget()->width());
    EXPECT_EQ(client.bottom, dlg.Widget()->height());
}

TEST_F(ControlsTest, EditWithoutScrollingStopsAtItsWidth)
{
    auto* narrow = qobject_cast<QLineEdit*>(Control(dlg, IDC_NARROW));
    ASSERT_NE(narrow, nullptr);
    narrow->setFocus();
    QTest::keyClicks(narrow, "12345678901234567890");
    int shown = static_cast<int>(narrow->text().size());
    EXPECT_GT(shown, 0);
    EXPECT_LT(shown, 20);
    EXPECT_EQ(narrow->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    auto* wide = qobject_cast<QLineEdit*>(Control(dlg, IDC_NUMBER_A));
    wide->clear();
    QTest::keyClicks(wide, "12345678901234567890123456789012345678901234567890");
    EXPECT_EQ(wide->text().size(), 50);
}

}  // namespace

// The list control: columns, cells, the selection, a written cell repainted.
#include <QHeaderView>
#include <QScreen>
#include <QTableView>

#include <cstring>

#include "MfcFixture.h"
#include "mfc/ListView.h"

namespace {

class ListTest : public TestDialogTest {
protected:
    void SetUp() override
    {
        TestDialogTest::SetUp();
        view = qobject_cast<QTableView*>(Control(dlg, IDC_ROWS));
        ASSERT_NE(view, nullptr);
        list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        ASSERT_EQ(list.InsertColumn(0, "N", LVCFMT_CENTER, 25), 0);
        ASSERT_EQ(list.InsertColumn(1, "file", LVCFMT_CENTER, 0), 1);
        ASSERT_EQ(list.InsertColumn(9, "Message1", LVCFMT_LEFT, 210), 2);  // past the end
    }

    void AddRows(int count)
    {
        for (int i = 0; i < count; ++i)
            list.InsertItem(list.GetItemCount(), std::to_string(i).c_str());
    }
    std::vector<int> Selected()
    {
        std::vector<int> rows;
        for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
            rows.push_back(list.GetNextSelectedItem(pos));
        return rows;
    }
    bool RowShown(int row)
    {
        return view->viewport()->rect().contains(view->visualRect(view->model()->index(row, 0)));
    }

    CListCtrl& list = dlg.m_rows;
    QTableView* view = nullptr;
};

TEST_F(ListTest, ColumnsAsAWindowsReportListThatEmptyingKeeps)
{
    EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(view->showGrid());
    EXPECT_TRUE(view->verticalHeader()->isHidden());
    EXPECT_EQ(view->model()->headerData(2, Qt::Horizontal).toString(), "Message1");
    AddRows(1);
    EXPECT_EQ(view->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_FALSE(view->wordWrap());  // a long cell is cut off on its one line
    EXPECT_EQ(view->model()->index(0, 0).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    EXPECT_EQ(view->model()->index(0, 2).data(Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignLeft | Qt::AlignVCenter));
    list.DeleteAllItems();
    EXPECT_EQ(view->model()->columnCount(), 3);
    EXPECT_EQ(view->columnWidth(0), 25);
    EXPECT_TRUE(view->isColumnHidden(1));
    EXPECT_EQ(view->columnWidth(2), 210);

    // The user cannot edit a cell: F2 opens no editor and typing changes nothing.
    AddRows(1);
    testhooks::ClickListRow(list.m_hWnd, 0);
    QTest::keyClick(view, Qt::Key_F2);
    QTest::keyClicks(view, "x");
    EXPECT_TRUE(view->findChildren<QLineEdit*>().isEmpty());
    EXPECT_EQ(list.GetItemText(0, 0), "0");
}

TEST_F(ListTest, CellsReadBackByteForByte)
{
    LVITEM item = {};
    item.mask = LVIF_TEXT;
    item.iItem = 5;  // past the end: the new row goes last
    item.pszText = const_cast<char*>("a");
    EXPECT_EQ(list.InsertItem(&item), 0);
    EXPECT_EQ(list.InsertItem(0, "b"), 0);
    item.iSubItem = 1;
    EXPECT_EQ(list.InsertItem(&item), -1);

    const std::string korean = testhooks::Cp949("오른쪽");
    EXPECT_TRUE(list.SetItemText(1, 2, "abcdef"));
    EXPECT_TRUE(list.SetItemText(0, 2, korean.c_str()));
    EXPECT_TRUE(list.SetItemText(0, 1, "hidden"));  // a 0-width column holds text too
    EXPECT_FALSE(list.SetItemText(2, 0, "x") || list.SetItemText(0, 3, "x"));

    // At most length - 1 bytes, always terminated; nothing past the length.
    const struct {
        int row, column, length, taken;
        const char* text;
    } reads[] = {
        {1, 2, 4, 3, "abc"}, {1, 2, 1, 0, ""}, {1, 2, 8, 6, "abcdef"}, {0, 2, 8, 6, korean.c_str()},
        {0, 1, 8, 6, "hidden"}, {1, 1, 8, 0, ""} /* never written */, {9, 0, 8, 0, ""} /* no row */};
    for (const auto& r : reads) {
        char buffer[9];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(list.GetItemText(r.row, r.column, buffer, r.length), r.taken) << r.text;
        EXPECT_STREQ(buffer, r.text);
        EXPECT_EQ(buffer[r.length], '#') << r.text;
    }
    EXPECT_EQ(view->model()->index(0, 2).data().toString().toStdString(), "오른쪽");

    // Once its table is gone the list answers as an empty one.
    delete view;
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetItemText(0, 0), "");
    EXPECT_EQ(list.InsertItem(0, "y"), -1);
}

TEST_F(ListTest, SelectionFollowsItsRowAndTheKeys)
{
    AddRows(40);
    // The last row lies far below what the list shows: the click scrolls to it.
    view->doItemsLayout();
    QCoreApplication::processEvents();
    const QImage header = view->horizontalHeader()->grab().toImage();
    for (int row : {39, 0}) {
        testhooks::ClickListRow(list.m_hWnd, row);
        EXPECT_EQ(Selected(), std::vector<int>{row});
        EXPECT_TRUE(RowShown(row)) << row;
        // The whole row lights up; the column headings stay as they were.
        EXPECT_TRUE(view->selectionModel()->isRowSelected(row, QModelIndex())) << row;
        EXPECT_TRUE(view->horizontalHeader()->grab().toImage() == header) << row;
    }
    // Home and End go to the first and last row, with Ctrl as without.
    testhooks::ClickListRow(list.m_hWnd, 5);
    view->setFocus();
    const std::pair<QKeyCombination, int> keys[] = {
        {Qt::Key_End, 39}, {Qt::Key_Up, 38}, {Qt::Key_Home, 0}, {Qt::Key_Down, 1},
        {Qt::ControlModifier | Qt::Key_End, 39}, {Qt::ControlModifier | Qt::Key_Home, 0}};
    for (auto [key, row] : keys) {
        QTest::keyClick(view, key.key(), key.keyboardModifiers());
        EXPECT_EQ(Selected(), std::vector<int>{row}) << key.key();
        EXPECT_TRUE(RowShown(row)) << key.key();
    }
    // Tab leaves the list for the next control rather than the next cell.
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_FALSE(view->hasFocus());

    testhooks::ClickListRow(list.m_hWnd, 5);
    // Rows inserted (at >= 0) or deleted (at ~row) round the selected one.
    const std::pair<int, std::vector<int>> steps[] = {{0, {6}},   {10, {6}},  {6, {7}}, {~0, {6}},
                                                      {~20, {6}}, {~6, {}}, {6, {}}};
    for (const auto& [at, selected] : steps) {
        if (at >= 0)
            list.InsertItem(at, "new");
        else
            list.DeleteItem(~at);
        EXPECT_EQ(Selected(), selected) << at;
    }
    // A row deleted before the selected one keeps it current: Down goes on
    // from it.
    testhooks::ClickListRow(list.m_hWnd, 5);
    list.DeleteItem(0);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(Selected(), std::vector<int>{5});
    // A list emptied and filled again has nothing selected.
    testhooks::ClickListRow(list.m_hWnd, 3);
    list.DeleteAllItems();
    AddRows(5);
    EXPECT_TRUE(Selected().empty());
}

// Without "show selection always" the selection disappears with the focus;
// with it, it looks the same either way.
TEST_F(ListTest, SelectionWithoutTheFocusShowsOnlyWhereAsked)
{
    ListView bare(AFX_CS_REPORT | AFX_CS_SINGLESEL, nullptr);
    const QPalette kept = view->palette(), hidden = bare.palette();
    for (auto [role, plain] : {std::pair{QPalette::Highlight, QPalette::Base},
                               {QPalette::HighlightedText, QPalette::Text}}) {
        EXPECT_EQ(kept.color(QPalette::Inactive, role), kept.color(QPalette::Active, role)) << role;
        EXPECT_EQ(hidden.color(QPalette::Inactive, role), hidden.color(QPalette::Active, plain)) << role;
        EXPECT_NE(hidden.color(QPalette::Active, role), hidden.color(QPalette::Active, plain)) << role;
    }
}

// What the screen shows (the offscreen backing store), not a fresh rendering.
TEST_F(ListTest, AWrittenCellIsRepaintedWhereItIs)
{
    AddRows(3);
    for (int row = 0; row < 3; ++row)
        list.SetItemText(row, 2, "old");
    for (auto [row, column] : {std::pair{1, 0}, {1, 2}}) {
        QTest::qWait(20);
        list.SetItemText(row, column, "new");
        QRect cell = view->visualRect(view->model()->index(row, column)) & view->viewport()->rect();
        const QImage expected = view->viewport()->grab(cell).toImage();
        const QPoint at = view->viewport()->mapTo(dlg.Widget(), cell.topLeft());
        auto shown = [&] {
            QPixmap screen = dlg.Widget()->screen()->grabWindow(dlg.Widget()->winId());
            return screen.toImage().copy(QRect(at, cell.size()));
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == expected; }, 500)) << row << column;
    }
}

}  // namespace

#include "mfc/CListCtrl.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>
#include <cstring>

#include "win32/Window.h"

namespace {

const int kFormatRole = Qt::UserRole + 1;
// The bytes that the program wrote into a cell.
const int kBytesRole = Qt::UserRole + 2;

QTableWidget* TableOf(const CWnd* wnd)
{
    return qobject_cast<QTableWidget*>(wnd->Widget());
}

Qt::Alignment AlignmentOf(int format)
{
    switch (format & 3) {
    case LVCFMT_CENTER: return Qt::AlignCenter;
    case LVCFMT_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

void SetCell(QTableWidget* table, int row, int column, LPCSTR text)
{
    QTableWidgetItem* cell = table->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        QTableWidgetItem* heading = table->horizontalHeaderItem(column);
        cell->setTextAlignment(AlignmentOf(heading ? heading->data(kFormatRole).toInt() : 0));
        table->setItem(row, column, cell);
    }
    // The program's own bytes are kept beside the text shown, so that a cell
    // reads back exactly as written, even bytes that are no valid text.
    QByteArray bytes(text ? text : "");
    cell->setData(kBytesRole, bytes);
    cell->setText(win32::FromCp949(bytes.constData(), static_cast<int>(bytes.size())));
}

std::vector<int> SelectedRows(const QTableWidget* table)
{
    std::vector<int> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

POSITION PositionOf(int row)
{
    return reinterpret_cast<POSITION>(static_cast<uintptr_t>(row) + 1);
}

}  // namespace

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    DWORD previous = GetExtendedStyle();
    QTableWidget* table = TableOf(this);
    if (!table) return previous;
    table->setShowGrid((dwNewStyle & LVS_EX_GRIDLINES) != 0);
    table->setProperty("afx_fullrow", (dwNewStyle & LVS_EX_FULLROWSELECT) != 0);
    return previous;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    QTableWidget* table = TableOf(this);
    if (!table) return 0;
    DWORD style = table->showGrid() ? LVS_EX_GRIDLINES : 0;
    if (table->property("afx_fullrow").toBool()) style |= LVS_EX_FULLROWSELECT;
    return style;
}

int CListCtrl::InsertColumn(int nCol, LPCSTR heading, int nFormat, int nWidth, int)
{
    QTableWidget* table = TableOf(this);
    if (!table || nCol < 0) return -1;
    int column = std::min(nCol, table->columnCount());
    table->insertColumn(column);
    auto* item = new QTableWidgetItem(win32::FromCp949(heading ? heading : ""));
    item->setData(kFormatRole, nFormat);
    item->setTextAlignment(AlignmentOf(nFormat));
    table->setHorizontalHeaderItem(column, item);
    if (nWidth == 0)
        table->setColumnHidden(column, true);
    else if (nWidth > 0)
        table->setColumnWidth(column, nWidth);
    return column;
}

int CListCtrl::InsertItem(const LVITEM* pItem)
{
    QTableWidget* table = TableOf(this);
    if (!table || !pItem || pItem->iSubItem != 0 || pItem->iItem < 0) return -1;
    int row = std::min(pItem->iItem, table->rowCount());
    table->insertRow(row);
    if (table->columnCount() > 0)
        SetCell(table, row, 0, (pItem->mask & LVIF_TEXT) ? pItem->pszText : "");
    return row;
}

int CListCtrl::InsertItem(int nItem, LPCSTR text)
{
    LVITEM item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(text);
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR text)
{
    QTableWidget* table = TableOf(this);
    if (!table || nItem < 0 || nItem >= table->rowCount() || nSubItem < 0 ||
        nSubItem >= table->columnCount())
        return FALSE;
    SetCell(table, nItem, nSubItem, text);
    return TRUE;
}

namespace {

// The bytes of a cell as the program wrote them (an empty text for none).
QByteArray CellBytes(const CWnd* list, int nItem, int nSubItem)
{
    QTableWidget* table = TableOf(list);
    QTableWidgetItem* cell = table ? table->item(nItem, nSubItem) : nullptr;
    if (!cell) return QByteArray();
    QVariant kept = cell->data(kBytesRole);
    return kept.isValid() ? kept.toByteArray() : win32::ToCp949(cell->text());
}

}  // namespace

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    QByteArray bytes = CellBytes(this, nItem, nSubItem);
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR buffer, int length) const
{
    if (!buffer || length <= 0) return 0;
    // Read straight into the buffer: the preview reads every cell each frame.
    QByteArray bytes = CellBytes(this, nItem, nSubItem);
    int copied = std::min(static_cast<int>(bytes.size()), length - 1);
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(copied));
    buffer[copied] = '\0';
    return copied;
}

int CListCtrl::GetItemCount() const
{
    QTableWidget* table = TableOf(this);
    return table ? table->rowCount() : 0;
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    QTableWidget* table = TableOf(this);
    if (!table || nItem < 0 || nItem >= table->rowCount()) return FALSE;
    table->removeRow(nItem);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    QTableWidget* table = TableOf(this);
    if (!table) return FALSE;
    table->setRowCount(0);
    return TRUE;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    QTableWidget* table = TableOf(this);
    if (!table) return nullptr;
    std::vector<int> rows = SelectedRows(table);
    return rows.empty() ? nullptr : PositionOf(rows.front());
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    int row = static_cast<int>(reinterpret_cast<uintptr_t>(pos)) - 1;
    pos = nullptr;
    QTableWidget* table = TableOf(this);
    if (table) {
        for (int selected : SelectedRows(table)) {
            if (selected > row) {
                pos = PositionOf(selected);
                break;
            }
        }
    }
    return row;
}

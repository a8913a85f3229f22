#include "mfc/CListCtrl.h"

#include <QHeaderView>

#include <algorithm>
#include <cstring>

#include "mfc/ListView.h"
#include "win32/Window.h"

namespace {

const int kFormatRole = Qt::UserRole + 1;

Qt::Alignment AlignmentOf(int format)
{
    switch (format & 3) {
    case LVCFMT_CENTER: return Qt::AlignCenter;
    case LVCFMT_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

void SetCell(ListView* table, int row, int column, LPCSTR text)
{
    QTableWidgetItem* cell = table->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        QTableWidgetItem* heading = table->horizontalHeaderItem(column);
        cell->setTextAlignment(AlignmentOf(heading ? heading->data(kFormatRole).toInt() : 0));
        table->setItem(row, column, cell);
    }
    table->SetCellBytes(row, column, text);
    cell->setText(win32::FromCp949(text ? text : ""));
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

ListView* CListCtrl::Table() const
{
    const uint64_t destroyed = win32::HandleWidgetsDestroyed();
    if (m_tableHandle != m_hWnd || m_tableCheckedAt != destroyed) {
        m_table = dynamic_cast<ListView*>(Widget());
        m_tableHandle = m_hWnd;
        m_tableCheckedAt = destroyed;
    }
    return m_table;
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    DWORD previous = GetExtendedStyle();
    ListView* table = Table();
    if (!table) return previous;
    table->setShowGrid((dwNewStyle & LVS_EX_GRIDLINES) != 0);
    table->setProperty("afx_fullrow", (dwNewStyle & LVS_EX_FULLROWSELECT) != 0);
    return previous;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    ListView* table = Table();
    if (!table) return 0;
    DWORD style = table->showGrid() ? LVS_EX_GRIDLINES : 0;
    if (table->property("afx_fullrow").toBool()) style |= LVS_EX_FULLROWSELECT;
    return style;
}

int CListCtrl::InsertColumn(int nCol, LPCSTR heading, int nFormat, int nWidth, int)
{
    ListView* table = Table();
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
    ListView* table = Table();
    if (!table || !pItem || pItem->iSubItem != 0 || pItem->iItem < 0) return -1;
    int row = std::min(pItem->iItem, table->rowCount());
    table->insertRow(row);
    table->InsertRowCells(row);
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
    ListView* table = Table();
    if (!table || nItem < 0 || nItem >= table->rowCount() || nSubItem < 0 ||
        nSubItem >= table->columnCount())
        return FALSE;
    SetCell(table, nItem, nSubItem, text);
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    ListView* table = Table();
    if (!table) return CString();
    const std::string& bytes = table->CellBytes(nItem, nSubItem);
    return CString(bytes.data(), static_cast<int>(bytes.size()));
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR buffer, int length) const
{
    if (!buffer || length <= 0) return 0;
    ListView* table = Table();
    const std::string* bytes = table ? &table->CellBytes(nItem, nSubItem) : nullptr;
    int copied = bytes ? std::min(static_cast<int>(bytes->size()), length - 1) : 0;
    if (copied > 0) std::memcpy(buffer, bytes->data(), static_cast<size_t>(copied));
    buffer[copied] = '\0';
    return copied;
}

int CListCtrl::GetItemCount() const
{
    ListView* table = Table();
    return table ? table->rowCount() : 0;
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    ListView* table = Table();
    if (!table || nItem < 0 || nItem >= table->rowCount()) return FALSE;
    table->removeRow(nItem);
    table->RemoveRowCells(nItem);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    ListView* table = Table();
    if (!table) return FALSE;
    table->setRowCount(0);
    table->ClearCells();
    return TRUE;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    ListView* table = Table();
    if (!table) return nullptr;
    std::vector<int> rows = SelectedRows(table);
    return rows.empty() ? nullptr : PositionOf(rows.front());
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    int row = static_cast<int>(reinterpret_cast<uintptr_t>(pos)) - 1;
    pos = nullptr;
    ListView* table = Table();
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

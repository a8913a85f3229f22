#include "mfc/CListCtrl.h"

#include <algorithm>
#include <cstring>

#include "mfc/ListView.h"
#include "win32/Window.h"

namespace {

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
    table->SetFullRowSelect((dwNewStyle & LVS_EX_FULLROWSELECT) != 0);
    return previous;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    ListView* table = Table();
    if (!table) return 0;
    DWORD style = table->showGrid() ? LVS_EX_GRIDLINES : 0;
    if (table->FullRowSelect()) style |= LVS_EX_FULLROWSELECT;
    return style;
}

int CListCtrl::InsertColumn(int nCol, LPCSTR heading, int nFormat, int nWidth, int)
{
    ListView* table = Table();
    return table ? table->InsertColumn(nCol, heading, nFormat, nWidth) : -1;
}

int CListCtrl::InsertItem(const LVITEM* pItem)
{
    ListView* table = Table();
    if (!table || !pItem || pItem->iSubItem != 0 || pItem->iItem < 0) return -1;
    ListModel& cells = table->Cells();
    int row = std::min(pItem->iItem, cells.Rows());
    cells.InsertRow(row);
    cells.SetCell(row, 0, (pItem->mask & LVIF_TEXT) ? pItem->pszText : "");
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
    return table && table->Cells().SetCell(nItem, nSubItem, text) ? TRUE : FALSE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    ListView* table = Table();
    if (!table) return CString();
    const std::string& bytes = table->Cells().Cell(nItem, nSubItem);
    return CString(bytes.data(), static_cast<int>(bytes.size()));
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR buffer, int length) const
{
    if (!buffer || length <= 0) return 0;
    ListView* table = Table();
    const std::string* bytes = table ? &table->Cells().Cell(nItem, nSubItem) : nullptr;
    int copied = bytes ? std::min(static_cast<int>(bytes->size()), length - 1) : 0;
    if (copied > 0) std::memcpy(buffer, bytes->data(), static_cast<size_t>(copied));
    buffer[copied] = '\0';
    return copied;
}

int CListCtrl::GetItemCount() const
{
    ListView* table = Table();
    return table ? table->Cells().Rows() : 0;
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    ListView* table = Table();
    return table && table->Cells().RemoveRow(nItem) ? TRUE : FALSE;
}

BOOL CListCtrl::DeleteAllItems()
{
    ListView* table = Table();
    if (!table) return FALSE;
    table->Cells().RemoveAllRows();
    return TRUE;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    ListView* table = Table();
    if (!table) return nullptr;
    std::vector<int> rows = table->SelectedRows();
    return rows.empty() ? nullptr : PositionOf(rows.front());
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    int row = static_cast<int>(reinterpret_cast<uintptr_t>(pos)) - 1;
    pos = nullptr;
    ListView* table = Table();
    if (table) {
        for (int selected : table->SelectedRows()) {
            if (selected > row) {
                pos = PositionOf(selected);
                break;
            }
        }
    }
    return row;
}

// A list control in report view: rows of text cells under column headings.
#pragma once

#include <cstdint>

#include "mfc/CWnd.h"

class ListView;

class CListCtrl : public CWnd {
public:
    // LVS_EX_GRIDLINES, LVS_EX_FULLROWSELECT; returns the previous styles.
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetExtendedStyle() const;

    // Inserts a column at nCol with its heading, alignment (LVCFMT_) and
    // width in pixels (0: present but not shown). Returns its index or -1.
    int InsertColumn(int nCol, LPCSTR heading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);

    // Inserts a row at the item's index (at the end if past it) with the
    // item's text in column 0. Returns the new row's index, or -1.
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCSTR text);
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR text);
    // Copies at most length - 1 bytes of the cell's text and a zero into
    // buffer; returns the bytes copied.
    int GetItemText(int nItem, int nSubItem, LPSTR buffer, int length) const;
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemCount() const;
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();

    // The selected rows in order: the first position (null if none), then
    // each row's index, the position moving to the next (null after the last).
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;

private:
    // The table behind m_hWnd, null if it is gone or is not a list. The paint
    // handler reads hundreds of cells a frame, so the look-up is kept while
    // the handle stays the same (a handle is never given to another widget)
    // and no widget has been destroyed since.
    ListView* Table() const;
    mutable HWND m_tableHandle = nullptr;
    mutable uint64_t m_tableCheckedAt = 0;
    mutable ListView* m_table = nullptr;
};

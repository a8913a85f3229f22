#include "mfc/CComboBox.h"

#include <QComboBox>

#include "win32/Window.h"

namespace {

QComboBox* ComboOf(const CWnd* wnd)
{
    return qobject_cast<QComboBox*>(wnd->Widget());
}

}  // namespace

int CComboBox::AddString(LPCSTR text)
{
    QComboBox* combo = ComboOf(this);
    if (!combo) return CB_ERR;
    int selected = combo->currentIndex();
    combo->addItem(win32::FromCp949(text ? text : ""));
    // A new entry selects nothing by itself.
    if (selected < 0) combo->setCurrentIndex(-1);
    return combo->count() - 1;
}

int CComboBox::SetCurSel(int nSelect)
{
    QComboBox* combo = ComboOf(this);
    if (!combo) return CB_ERR;
    bool inside = nSelect >= 0 && nSelect < combo->count();
    combo->setCurrentIndex(inside ? nSelect : -1);
    return inside ? nSelect : CB_ERR;
}

int CComboBox::GetCurSel() const
{
    QComboBox* combo = ComboOf(this);
    return combo && combo->currentIndex() >= 0 ? combo->currentIndex() : CB_ERR;
}

int CComboBox::GetCount() const
{
    QComboBox* combo = ComboOf(this);
    return combo ? combo->count() : CB_ERR;
}


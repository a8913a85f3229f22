#include "mfc/CButton.h"

#include <QCheckBox>

namespace {

QCheckBox* BoxOf(const CWnd* wnd)
{
    return qobject_cast<QCheckBox*>(wnd->Widget());
}

}  // namespace

int CButton::GetCheck() const
{
    QCheckBox* box = BoxOf(this);
    if (!box) return BST_UNCHECKED;
    switch (box->checkState()) {
    case Qt::Checked: return BST_CHECKED;
    case Qt::PartiallyChecked: return BST_INDETERMINATE;
    default: return BST_UNCHECKED;
    }
}

void CButton::SetCheck(int nCheck)
{
    QCheckBox* box = BoxOf(this);
    if (!box) return;
    if (nCheck == BST_INDETERMINATE) box->setTristate(true);
    box->setCheckState(nCheck == BST_CHECKED         ? Qt::Checked
                       : nCheck == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                     : Qt::Unchecked);
}

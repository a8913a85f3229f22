#include "mfc/CEdit.h"

#include <QLineEdit>

void CEdit::SetSel(int nStartChar, int nEndChar)
{
    auto* edit = qobject_cast<QLineEdit*>(Widget());
    if (!edit) return;
    int length = static_cast<int>(edit->text().size());
    int start = std::clamp(nStartChar, 0, length);
    int end = nEndChar < 0 ? length : std::clamp(nEndChar, start, length);
    edit->setSelection(start, end - start);
}

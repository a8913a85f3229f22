#include "mfc/CDC.h"

#include <QPainter>

#include "mfc/AfxInternal.h"

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    QImage image = afx::IconImage(icon);
    if (image.isNull()) return FALSE;
    if (m_painter) m_painter->drawImage(x, y, image);
    return TRUE;
}

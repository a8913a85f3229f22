// A device context of a window.
#pragma once

#include "mfc/AfxWin.h"

class QPainter;

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }

    // Draws the icon with its top left corner at x, y. FALSE for an unknown
    // icon; a context that cannot draw now draws nothing.
    BOOL DrawIcon(int x, int y, HICON icon);

protected:
    QPainter* m_painter = nullptr;
};

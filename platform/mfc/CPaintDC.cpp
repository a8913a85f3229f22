#include "mfc/CPaintDC.h"

#include <QPainter>

#include "mfc/CWnd.h"
#include "mfc/DialogWindow.h"

CPaintDC::CPaintDC(CWnd* pWnd)
{
    m_hDC = reinterpret_cast<HDC>(this);
    auto* window = pWnd ? dynamic_cast<DialogWindow*>(pWnd->Widget()) : nullptr;
    if (!window) return;
    window->Validate();
    // Qt draws on a widget only from inside its paint event.
    if (window->InPaint()) {
        m_painter = new QPainter(window);
        m_painter->translate(window->ClientRect().topLeft());
    }
}

CPaintDC::~CPaintDC()
{
    delete m_painter;
}

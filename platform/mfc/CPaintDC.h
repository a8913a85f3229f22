// The device context of a window's paint message. Making one marks the
// window as painted; it draws only while the window is painting.
#pragma once

#include "mfc/CDC.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
};

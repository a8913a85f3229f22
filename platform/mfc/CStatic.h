// A static control: a label, or a placeholder whose rectangle is used.
#pragma once

#include "mfc/CWnd.h"

class CStatic : public CWnd {
};

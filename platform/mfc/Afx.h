// The class-library subset that the program calls (application, windows,
// dialogs, controls, data exchange, message boxes, file dialog).
#pragma once

#include "win32/Win32.h"

#include "mfc/AfxRes.h"
#include "mfc/AfxWin.h"
#include "mfc/CButton.h"
#include "mfc/CCmdTarget.h"
#include "mfc/CComboBox.h"
#include "mfc/CDC.h"
#include "mfc/CDataExchange.h"
#include "mfc/CDialog.h"
#include "mfc/CEdit.h"
#include "mfc/CFileDialog.h"
#include "mfc/CListCtrl.h"
#include "mfc/CPaintDC.h"
#include "mfc/CRect.h"
#include "mfc/CStatic.h"
#include "mfc/CString.h"
#include "mfc/CWinApp.h"
#include "mfc/CWnd.h"

// The framework's message box: an OK button unless type says otherwise,
// owned by the application's main window, with the application's title (the
// executable's file name without extension) as its caption. A box with an
// OK button and no icon in type shows the exclamation mark.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);

// The application's title: the executable's file name without extension.
LPCSTR AfxGetAppName();

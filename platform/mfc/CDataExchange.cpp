#include "mfc/CDataExchange.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <cctype>
#include <climits>
#include <cstdio>

#include "mfc/Afx.h"
#include "mfc/AfxInternal.h"
#include "mfc/CButton.h"
#include "mfc/DialogWindow.h"
#include "win32/Window.h"

namespace {

QWidget* ControlOf(CWnd* dialog, int nIDC)
{
    auto* window = dialog ? dynamic_cast<DialogWindow*>(dialog->Widget()) : nullptr;
    return window ? window->Control(nIDC) : nullptr;
}

void FocusOn(QWidget* control)
{
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

// Writing an edit's text moves its caret to the end, clears its undo steps
// and ends an unfinished syllable of the input method. An exchange that
// would write the same text leaves the edit as the user left it.
void SetTextIfChanged(CWnd& field, LPCSTR text)
{
    CString shown;
    field.GetWindowText(shown);
    if (shown != text) field.SetWindowText(text);
}

}  // namespace

CDataExchange::CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = win32::HandleOf(ControlOf(m_pDlgWnd, nIDC));
    m_bEditLastControl = FALSE;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    QWidget* control = win32::WidgetOf(m_hWndLastControl);
    if (control) {
        // The focus goes back to the field without a kill-focus
        // notification of whichever control it leaves: otherwise a handler
        // that exchanges the data would bring the prompt again, and again.
        afx::SuppressKillFocus(true);
        if (afx::InFocusChange()) {
            // Inside a kill-focus notification the focus is still on its
            // way; move it back once it has arrived.
            QPointer<QWidget> target(control);
            QTimer::singleShot(0, QCoreApplication::instance(), [target] {
                if (target) FocusOn(target);
                afx::SuppressKillFocus(false);
            });
        } else {
            FocusOn(control);
            afx::SuppressKillFocus(false);
        }
    }
    throw CUserException();
}

bool AfxParseInt(LPCSTR text, int* value)
{
    if (!text) return false;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p == ' ' || *p == '\t') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (!std::isdigit(*p)) return false;
    long long number = 0;
    while (std::isdigit(*p)) {
        number = number * 10 + (*p++ - '0');
        if (number > static_cast<long long>(INT_MAX) + 1) return false;
    }
    while (*p == ' ' || *p == '\t') ++p;
    if (*p != '\0') return false;
    if (negative) number = -number;
    if (number > INT_MAX || number < INT_MIN) return false;
    *value = static_cast<int>(number);
    return true;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr) rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (!control) return;
    CWnd field;
    field.m_hWnd = control;
    if (pDX->m_bSaveAndValidate) {
        CString text;
        field.GetWindowText(text);
        if (!AfxParseInt(text, &value)) {
            // The prompt takes the focus for a while: that is no loss of
            // focus the program should hear of.
            afx::SuppressKillFocus(true);
            AfxMessageBox(afx::FrameworkString(AFX_IDP_PARSE_INT, "Please enter an integer."),
                          MB_ICONEXCLAMATION);
            afx::SuppressKillFocus(false);
            pDX->Fail();
        }
    } else {
        char text[32];
        std::snprintf(text, sizeof text, "%d", value);
        SetTextIfChanged(field, text);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (!control) return;
    CWnd field;
    field.m_hWnd = control;
    if (pDX->m_bSaveAndValidate)
        field.GetWindowText(value);
    else
        SetTextIfChanged(field, value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!qobject_cast<QCheckBox*>(win32::WidgetOf(control))) return;
    CButton box;
    box.m_hWnd = control;
    if (pDX->m_bSaveAndValidate)
        value = box.GetCheck();
    else
        box.SetCheck(value);
}

#include "mfc/CDialog.h"

#include <QEventLoop>
#include <QWidget>

#include "mfc/AfxInternal.h"
#include "mfc/CWinApp.h"
#include "mfc/DialogWindow.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    DestroyWindow();
}

BOOL CDialog::CreateDialogWindow(UINT nIDTemplate, CWnd* parent)
{
    const AfxDialogTemplate* dialogTemplate = afx::FindDialogTemplate(static_cast<int>(nIDTemplate));
    if (!dialogTemplate) return FALSE;
    if (Widget()) DestroyWindow();
    QWidget* parentWidget = parent && parent->Widget() ? parent->Widget()->window() : nullptr;
    auto* window = new DialogWindow(this, *dialogTemplate, parentWidget);
    AttachWindow(window);
    m_ended = false;
    m_nModalResult = -1;
    DialogWindow::Dispatch dispatch(window);
    OnInitDialog();
    return TRUE;
}

int CDialog::DoModal()
{
    if (!CreateDialogWindow(m_nIDTemplate, m_pParentWnd)) return -1;
    QWidget* window = Widget();
    if (!m_ended && window) {
        window->show();
        window->raise();
        window->activateWindow();
        QEventLoop loop;
        m_loop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    int result = m_nModalResult;
    DestroyWindow();
    return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    CWinApp* app = AfxGetApp();
    CWnd* parent = pParentWnd ? pParentWnd : app ? app->m_pMainWnd : nullptr;
    if (parent == this) parent = nullptr;
    m_nIDTemplate = nIDTemplate;
    return CreateDialogWindow(nIDTemplate, parent);
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_ended = true;
    if (m_loop) {
        m_loop->exit(nResult);
    } else if (QWidget* window = Widget()) {
        // A modeless dialog only hides; its owner destroys it.
        window->hide();
    }
}

BOOL CDialog::OnInitDialog()
{
    // The first exchange binds the control objects and fills the controls.
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN) return FALSE;
    // Enter is the dialog's OK and Esc its Cancel; neither reaches a control.
    if (pMsg->wParam == VK_RETURN) {
        OnCmdMsg(IDOK, BN_CLICKED);
        return TRUE;
    }
    if (pMsg->wParam == VK_ESCAPE) {
        OnCmdMsg(IDCANCEL, BN_CLICKED);
        return TRUE;
    }
    return FALSE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

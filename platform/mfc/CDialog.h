// A dialog built from a template: modal (DoModal) or modeless (Create).
#pragma once

#include "mfc/CWnd.h"

class QEventLoop;

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Makes the window, runs OnInitDialog before it shows, and runs a nested
    // event loop until EndDialog; the window is destroyed before it returns
    // the result (-1 if the window could not be made).
    virtual int DoModal();
    // Makes the window modeless; a null parent means the application's main
    // window. OnInitDialog runs before Create returns.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends the dialog with the result: a modal dialog's DoModal returns it,
    // a modeless dialog is hidden.
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // OK: the fields into the members; only if that succeeds, EndDialog(IDOK).
    virtual void OnOK();
    // Cancel: EndDialog(IDCANCEL).
    virtual void OnCancel();

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateDialogWindow(UINT nIDTemplate, CWnd* parent);

    QEventLoop* m_loop = nullptr;
    int m_nModalResult = -1;
    bool m_ended = false;
};

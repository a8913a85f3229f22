// A window of the framework: a dialog or one of its controls. m_hWnd names
// the window while it exists and is null before and after.
#pragma once

#include <map>
#include <memory>

#include "mfc/CCmdTarget.h"
#include "mfc/CString.h"

class CDataExchange;
class QWidget;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    // Every key press in the window's dialog comes here first; TRUE means
    // the key was handled and goes no further.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL DestroyWindow();

    // The control with the id in this dialog: the object bound to it with
    // DDX_Control, else a framework object valid while the window exists.
    CWnd* GetDlgItem(int nID) const;

    void SetWindowText(LPCSTR text);
    int GetWindowText(LPSTR buffer, int maxCount) const;
    void GetWindowText(CString& text) const;

    // The window's rectangle in screen coordinates; the client area from 0, 0.
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;

    CWnd* SetFocus();
    HICON SetIcon(HICON icon, BOOL bigIcon);
    BOOL IsIconic() const;
    BOOL IsWindowVisible() const;
    // Returns nonzero if the window was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    // Returns nonzero if the window was visible before.
    BOOL ShowWindow(int cmdShow);
    // Centres the window over its owner (or alternateOwner), else the screen.
    void CenterWindow(CWnd* alternateOwner = nullptr);
    void Invalidate(BOOL erase = TRUE);

    // A message box owned by this window; the caption defaults to the
    // application's title.
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);

    // Moves the members to the controls (FALSE) or the controls' texts into
    // the members (TRUE). FALSE when the exchange stopped at a field.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Dispatches the message through the message maps at once.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // ---- Framework internals ----
    // Runs a message through the maps; FALSE if no entry took it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Binds this object to the control with the id in parent's window.
    BOOL SubclassDlgItem(UINT nID, CWnd* parent);
    QWidget* Widget() const;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // Default handling of the messages that message maps route.
    afx_msg void OnPaint();
    afx_msg void OnMove(int x, int y);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg HCURSOR OnQueryDragIcon();

    // Takes the top-level window made for this object; it is destroyed with
    // the object at the latest.
    void AttachWindow(QWidget* window);
    // Lets go of the window: bound controls are unbound, the application
    // forgets it as its main window.
    void DetachWindow();

private:
    bool m_ownsWindow = false;
    CWnd* m_boundParent = nullptr;
    int m_boundId = 0;
    std::map<int, CWnd*> m_boundControls;
    mutable std::map<int, std::unique_ptr<CWnd>> m_tempControls;
    HICON m_icons[2] = {nullptr, nullptr};
};

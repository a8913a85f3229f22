#include "mfc/CWnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>

#include <cstring>

#include "mfc/Afx.h"
#include "mfc/CButton.h"
#include "mfc/CComboBox.h"
#include "mfc/CDataExchange.h"
#include "mfc/CEdit.h"
#include "mfc/CListCtrl.h"
#include "mfc/CStatic.h"
#include "mfc/CWinApp.h"
#include "mfc/DialogWindow.h"
#include "mfc/ListView.h"
#include "win32/Window.h"

CWnd::~CWnd()
{
    if (m_ownsWindow) DestroyWindow();
    DetachWindow();
    // Nothing may point at a main window object that is gone.
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    if (m_boundParent) m_boundParent->m_boundControls.erase(m_boundId);
}

QWidget* CWnd::Widget() const
{
    return win32::WidgetOf(m_hWnd);
}

void CWnd::AttachWindow(QWidget* window)
{
    m_hWnd = win32::HandleOf(window);
    m_ownsWindow = true;
}

void CWnd::DetachWindow()
{
    for (auto& [id, control] : m_boundControls) {
        control->m_hWnd = nullptr;
        control->m_boundParent = nullptr;
    }
    m_boundControls.clear();
    m_tempControls.clear();
    if (m_ownsWindow) {
        // The application's main window is gone: nothing may point at it.
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    }
    m_ownsWindow = false;
    m_hWnd = nullptr;
}

BOOL CWnd::DestroyWindow()
{
    QWidget* widget = Widget();
    bool owned = m_ownsWindow;
    DetachWindow();
    if (!widget) return FALSE;
    auto* dialog = dynamic_cast<DialogWindow*>(widget);
    if (dialog) dialog->Detach();
    widget->hide();
    // A window that is handling one of its own events (its OK button, say)
    // goes once that event is done.
    if ((dialog && dialog->Busy()) || !owned)
        widget->deleteLater();
    else
        delete widget;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* parent)
{
    auto* dialog = parent ? dynamic_cast<DialogWindow*>(parent->Widget()) : nullptr;
    QWidget* control = dialog ? dialog->Control(static_cast<int>(nID)) : nullptr;
    if (!control) return FALSE;
    if (m_boundParent) m_boundParent->m_boundControls.erase(m_boundId);
    m_hWnd = win32::HandleOf(control);
    m_boundParent = parent;
    m_boundId = static_cast<int>(nID);
    parent->m_boundControls[m_boundId] = this;
    parent->m_tempControls.erase(m_boundId);
    return TRUE;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    auto bound = m_boundControls.find(nID);
    if (bound != m_boundControls.end()) return bound->second;
    auto temp = m_tempControls.find(nID);
    if (temp != m_tempControls.end()) return temp->second.get();

    auto* dialog = dynamic_cast<DialogWindow*>(Widget());
    QWidget* control = dialog ? dialog->Control(nID) : nullptr;
    if (!control) return nullptr;
    // An object of the control's own class, so that the program may treat
    // it as one.
    std::unique_ptr<CWnd> object;
    if (qobject_cast<QAbstractButton*>(control))
        object = std::make_unique<CButton>();
    else if (qobject_cast<QLineEdit*>(control))
        object = std::make_unique<CEdit>();
    else if (qobject_cast<QComboBox*>(control))
        object = std::make_unique<CComboBox>();
    else if (dynamic_cast<ListView*>(control))
        object = std::make_unique<CListCtrl>();
    else if (qobject_cast<QLabel*>(control))
        object = std::make_unique<CStatic>();
    else
        object = std::make_unique<CWnd>();
    object->m_hWnd = win32::HandleOf(control);
    CWnd* result = object.get();
    m_tempControls[nID] = std::move(object);
    return result;
}

void CWnd::SetWindowText(LPCSTR text)
{
    QWidget* widget = Widget();
    if (!widget) return;
    QString qtext = win32::FromCp949(text ? text : "");
    if (widget->isWindow())
        widget->setWindowTitle(qtext);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(qtext);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(qtext);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(qtext);  // the program's own text: no EN_CHANGE
}

void CWnd::GetWindowText(CString& text) const
{
    QWidget* widget = Widget();
    QString qtext;
    if (!widget)
        qtext.clear();
    else if (widget->isWindow())
        qtext = widget->windowTitle();
    else if (auto* label = qobject_cast<QLabel*>(widget))
        qtext = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        qtext = button->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        qtext = edit->text();
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        qtext = combo->currentText();
    QByteArray bytes = win32::ToCp949(qtext);
    text = CString(bytes.constData(), static_cast<int>(bytes.size()));
}

int CWnd::GetWindowText(LPSTR buffer, int maxCount) const
{
    if (!buffer || maxCount <= 0) return 0;
    CString text;
    GetWindowText(text);
    int length = std::min(text.GetLength(), maxCount - 1);
    std::memcpy(buffer, static_cast<LPCSTR>(text), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}


void CWnd::GetWindowRect(LPRECT rect) const
{
    if (!rect) return;
    if (!::GetWindowRect(m_hWnd, rect)) *rect = RECT{0, 0, 0, 0};
}

void CWnd::GetClientRect(LPRECT rect) const
{
    if (!rect) return;
    QWidget* widget = Widget();
    QSize size = widget ? widget->size() : QSize(0, 0);
    if (auto* dialog = dynamic_cast<DialogWindow*>(widget)) size = dialog->ClientRect().size();
    *rect = RECT{0, 0, size.width(), size.height()};
}

CWnd* CWnd::SetFocus()
{
    if (QWidget* widget = Widget()) widget->setFocus(Qt::OtherFocusReason);
    return nullptr;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    HICON previous = m_icons[bigIcon ? 1 : 0];
    m_icons[bigIcon ? 1 : 0] = icon;
    QWidget* widget = Widget();
    QImage image = afx::IconImage(icon);
    if (widget && !image.isNull()) widget->setWindowIcon(QIcon(QPixmap::fromImage(image)));
    return previous;
}

BOOL CWnd::IsIconic() const
{
    QWidget* widget = Widget();
    return widget && widget->isMinimized();
}

BOOL CWnd::IsWindowVisible() const
{
    QWidget* widget = Widget();
    return widget && widget->isVisible();
}


BOOL CWnd::EnableWindow(BOOL enable)
{
    QWidget* widget = Widget();
    if (!widget) return FALSE;
    BOOL wasDisabled = !widget->isEnabled();
    widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::ShowWindow(int cmdShow)
{
    QWidget* widget = Widget();
    if (!widget) return FALSE;
    BOOL wasVisible = widget->isVisible();
    switch (cmdShow) {
    case SW_HIDE: widget->hide(); break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED: widget->showMinimized(); break;
    case SW_RESTORE:
    case SW_SHOWNORMAL: widget->showNormal(); break;
    default: widget->show(); break;
    }
    if (cmdShow != SW_HIDE && widget->isWindow()) {
        widget->raise();
        widget->activateWindow();
    }
    return wasVisible;
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    QWidget* widget = Widget();
    if (!widget || !widget->isWindow()) return;
    QWidget* owner = alternateOwner ? alternateOwner->Widget() : widget->parentWidget();
    QRect area;
    if (owner)
        area = owner->window()->frameGeometry();
    else if (QScreen* screen = widget->screen())
        area = screen->availableGeometry();
    if (area.isEmpty()) return;
    QRect frame = widget->frameGeometry();
    frame.moveCenter(area.center());
    widget->move(frame.topLeft());
}

void CWnd::Invalidate(BOOL)
{
    if (auto* dialog = dynamic_cast<DialogWindow*>(Widget())) dialog->Invalidate();
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type)
{
    return ::MessageBoxA(m_hWnd, text, caption ? caption : AfxGetAppName(), type);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    if (!Widget()) return FALSE;
    CDataExchange exchange(this, saveAndValidate);
    // Notifications of the controls are not dispatched while the data moves.
    HWND previous = afx::LockoutNotifyWindow();
    afx::SetLockoutNotifyWindow(m_hWnd);
    BOOL ok = TRUE;
    try {
        DoDataExchange(&exchange);
    } catch (const CUserException&) {
        ok = FALSE;
    }
    afx::SetLockoutNotifyWindow(previous);
    return ok;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    OnWndMsg(message, wParam, lParam, &result);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND) return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
    if (entry) {
        LRESULT answer = entry->pfn(this, wParam, lParam);
        if (result) *result = answer;
        return TRUE;
    }
    // Default handling.
    switch (message) {
    case WM_PAINT: OnPaint(); break;
    case WM_ICONERASEBKGND:
        if (result) *result = TRUE;
        break;
    default: break;
    }
    return FALSE;
}

void CWnd::OnPaint()
{
    if (auto* dialog = dynamic_cast<DialogWindow*>(Widget())) dialog->Validate();
}

void CWnd::OnMove(int, int)
{
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
}

HCURSOR CWnd::OnQueryDragIcon()
{
    return nullptr;
}

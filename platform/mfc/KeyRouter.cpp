#include "mfc/KeyRouter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "mfc/CWnd.h"
#include "mfc/DialogWindow.h"
#include "win32/Window.h"

void KeyRouter::Install()
{
    static bool installed = false;
    if (installed || !QCoreApplication::instance()) return;
    installed = true;
    // Owned by the application, so it goes with it.
    auto* router = new KeyRouter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(router);
}

unsigned KeyRouter::VirtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default: return 0;
    }
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto* target = static_cast<QWidget*>(watched);
    // A key that the focused control leaves goes on to its parents as the
    // same event: the dialog sees it once, on its way to the focus.
    QWidget* focus = target->window()->focusWidget();
    if (focus ? target != focus : !target->isWindow()) return false;
    auto* dialog = dynamic_cast<DialogWindow*>(target->window());
    if (!dialog || !dialog->Owner()) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    // A key pressed with Alt held, Alt itself included, is a system key.
    const bool alt = (key->modifiers() & Qt::AltModifier) || key->key() == Qt::Key_Alt;
    MSG msg = {};
    msg.hwnd = win32::HandleOf(target);
    msg.message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    msg.wParam = VirtualKey(key->key());
    // Repeat count 1; bit 29: Alt is held; bit 30: the key was down before
    // (auto-repeat).
    msg.lParam = static_cast<LPARAM>(1u | ((key->nativeScanCode() & 0xFFu) << 16) |
                                     (alt ? 1u << 29 : 0u) |
                                     (key->isAutoRepeat() ? 1u << 30 : 0u));
    msg.time = static_cast<DWORD>(key->timestamp());
    DialogWindow::Dispatch dispatch(dialog);
    if (dialog->Owner()->PreTranslateMessage(&msg)) return true;
    // A character typed with Alt held is a system character, which the
    // window system gives to menus and mnemonics: it is never typed into an
    // edit nor picks an entry of a combo box or list.
    return alt && !key->text().isEmpty() && key->text().at(0).isPrint();
}

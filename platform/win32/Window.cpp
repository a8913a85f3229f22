// Window handles, window rectangles and the front images of windows.
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <cstdint>
#include <unordered_map>
#include <utility>

#include "FrontImage.h"
#include "win32/Window.h"

namespace win32 {

namespace {

const char* const kHandleProperty = "vantrel_hwnd";

// Handle number -> widget. A widget's number is kept in a property of the
// widget, so that a new widget at a freed widget's address gets a new handle.
// Made once and never freed: top-level widgets may outlive static objects.
std::unordered_map<uintptr_t, QPointer<QWidget>>& Widgets()
{
    static auto* widgets = new std::unordered_map<uintptr_t, QPointer<QWidget>>;
    return *widgets;
}

uint64_t destroyedCount = 0;

}  // namespace

HWND HandleOf(QWidget* widget)
{
    if (!widget) return nullptr;
    QVariant known = widget->property(kHandleProperty);
    if (known.isValid()) return reinterpret_cast<HWND>(known.value<quintptr>());

    static uintptr_t last = 0;
    // Handles are never dereferenced; a step of 4 keeps them looking aligned.
    uintptr_t number = (last += 4) + 0x10000;
    widget->setProperty(kHandleProperty, QVariant::fromValue<quintptr>(number));
    Widgets()[number] = widget;
    QObject::connect(widget, &QObject::destroyed, [number] {
        Widgets().erase(number);
        ++destroyedCount;
    });
    return reinterpret_cast<HWND>(number);
}

QWidget* WidgetOf(HWND hWnd)
{
    auto found = Widgets().find(reinterpret_cast<uintptr_t>(hWnd));
    return found == Widgets().end() ? nullptr : found->second.data();
}

uint64_t HandleWidgetsDestroyed()
{
    return destroyedCount;
}

void PresentToWindow(HWND hWnd, const RECT& screenRect, const uint16_t* source, int pitch,
                     bool is565, std::shared_ptr<const uint16_t> owner)
{
    QWidget* window = WidgetOf(hWnd);
    if (!window || !source) return;
    QPoint origin = window->mapToGlobal(QPoint(0, 0));
    FrontImage::Of(window)->Present(screenRect.left - origin.x(), screenRect.top - origin.y(),
                                    screenRect.right - screenRect.left,
                                    screenRect.bottom - screenRect.top, source, pitch, is565,
                                    std::move(owner));
}

}  // namespace win32

BOOL IsWindow(HWND hWnd)
{
    return win32::WidgetOf(hWnd) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT rect)
{
    QWidget* widget = win32::WidgetOf(hWnd);
    if (!widget || !rect) return FALSE;
    QRect r = widget->isWindow() ? widget->frameGeometry()
                                 : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    rect->left = r.left();
    rect->top = r.top();
    rect->right = r.left() + r.width();
    rect->bottom = r.top() + r.height();
    return TRUE;
}

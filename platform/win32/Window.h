// The platform side of window handles, for the platform layer and tests
// only (it speaks Qt). An HWND names a QWidget; the handle stays valid while
// the widget lives and becomes invalid, not dangling, when it is destroyed.
#pragma once

#include <cstdint>
#include <memory>

#include "win32/Win32.h"

class QWidget;
class QString;
class QByteArray;

namespace win32 {

// The handle of a widget (the same handle every time), and back. WidgetOf
// returns null for a null or invalid handle.
HWND HandleOf(QWidget* widget);
QWidget* WidgetOf(HWND hWnd);
// How many widgets with handles have been destroyed: while it stays the same,
// a widget that WidgetOf gave is still there.
uint64_t HandleWidgetsDestroyed();

// Shows 16-bit pixels on screen at a rectangle in screen coordinates: they
// go into the window's front image, clipped to the window hWnd (top-level or
// not), and the window is updated later by its own paint. source points at
// the pixel of the source's top left corner; pitch is in pixels. With an
// owner of the pixels, the window may keep the owner and copy the pixels
// later; the owner must then leave them unchanged while it is shared (see
// FrontImage::Present).
void PresentToWindow(HWND hWnd, const RECT& screenRect, const uint16_t* source, int pitch,
                     bool is565, std::shared_ptr<const uint16_t> owner = nullptr);

// Code page 949 bytes to Qt text and back; a character that code page 949
// cannot hold becomes '?'.
QString FromCp949(const char* text, int length = -1);
QByteArray ToCp949(const QString& text);

// The emulated display (see platform/testing).
int DisplayBitsPerPixel();
bool DisplayIs565();

}  // namespace win32

// Formatted printing and display settings.
#include <QGuiApplication>
#include <QScreen>

#include <cstdarg>
#include <cstdio>

#include "win32/Window.h"

int wsprintfA(LPSTR buffer, LPCSTR format, ...)
{
    const int kBufferSize = 1024;
    if (!buffer) return 0;
    if (!format) {
        buffer[0] = '\0';
        return 0;
    }
    va_list args;
    va_start(args, format);
    int length = vsnprintf(buffer, kBufferSize, format, args);
    va_end(args);
    if (length < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return length < kBufferSize ? length : kBufferSize - 1;
}

BOOL EnumDisplaySettingsA(LPCSTR deviceName, DWORD modeNum, DEVMODEA* devMode)
{
    // Only the current mode of the one display is known.
    (void)deviceName;
    if (modeNum != ENUM_CURRENT_SETTINGS || !devMode) return FALSE;
    devMode->dmBitsPerPel = static_cast<DWORD>(win32::DisplayBitsPerPixel());
    devMode->dmPelsWidth = 0;
    devMode->dmPelsHeight = 0;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            devMode->dmPelsWidth = static_cast<DWORD>(screen->geometry().width());
            devMode->dmPelsHeight = static_cast<DWORD>(screen->geometry().height());
        }
    }
    return TRUE;
}

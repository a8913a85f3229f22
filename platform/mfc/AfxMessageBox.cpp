// The framework's message box and the application's title.
#include "mfc/Afx.h"

#include <string>
#include <unistd.h>

#include "mfc/AfxState.h"

LPCSTR AfxGetAppName()
{
    static const std::string title = [] {
        char path[4096];
        ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
        std::string name = length > 0 ? std::string(path, length) : std::string();
        name = name.substr(name.find_last_of('/') + 1);
        size_t dot = name.find_last_of('.');
        if (dot != std::string::npos && dot > 0) name.erase(dot);
        return name;
    }();
    return title.c_str();
}

int AfxMessageBox(LPCSTR text, UINT type, UINT helpId)
{
    (void)helpId;
    // The framework gives a box with an OK button and no icon of its own the
    // exclamation mark.
    UINT buttons = type & MB_TYPEMASK;
    if ((type & MB_ICONMASK) == 0 && (buttons == MB_OK || buttons == MB_OKCANCEL))
        type |= MB_ICONEXCLAMATION;
    return MessageBoxA(afx::MainWindowHandle(), text, AfxGetAppName(), type);
}
